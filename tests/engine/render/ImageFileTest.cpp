#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

#include "engine/render/ImageFile.hpp"
#include "support/LogCapture.hpp"
#include "support/TempFolder.hpp"

TEST(ImageFile, APictureThatCannotBeReadIsNamedOnceARun) {
    TempFolder folder;
    const std::string gone = folder.file("gone.png");
    const std::string text = folder.file("text.png");
    TempFolder::writeAll(text, {'h', 'e', 'l', 'l', 'o', '!', '!', '!', '!'});
    LogCapture log;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ImageFile::load(gone), nullptr);
        EXPECT_EQ(ImageFile::load(text), nullptr);
    }
    const auto lines = log.take();
    ASSERT_EQ(lines.size(), 2u) << "one line for each file, however often it is asked for";
    EXPECT_EQ(lines[0], "Image " + gone + ": cannot open the file");
    EXPECT_EQ(lines[1], "Image " + text + ": not a PNG or JPEG picture");

    // A silent load of a new missing file does not use up its one line.
    const std::string later = folder.file("later.png");
    EXPECT_EQ(ImageFile::load(later, ImageFile::Report::Silent), nullptr);
    EXPECT_TRUE(log.take().empty());
    EXPECT_EQ(ImageFile::load(later), nullptr);
    EXPECT_EQ(log.take().size(), 1u);
}
