// libFuzzer target: a label file of one language.
// Seeds: content/config/labels/*.xml tests/data/labels/*.xml tests/data/content-broken/config/labels/*.xml
#include <cstdint>

#include "engine/text/LabelManager.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LabelManager labels;
    labels.load(FuzzInputFile::write(data, size, "EN.xml"));
    for (const auto& label : labels.getLabels()) {
        labels.getLabel(label.first);
    }
    return 0;
}
