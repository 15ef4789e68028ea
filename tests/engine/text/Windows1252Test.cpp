#include <gtest/gtest.h>

#include "engine/text/Windows1252.hpp"

TEST(Windows1252, EveryDefinedByteRoundTripsAndTheRestHaveNone) {
    int undefined = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t codePoint = Windows1252::toUnicode(static_cast<unsigned char>(byte));
        if (codePoint == 0 && byte != 0) {
            ++undefined;
            continue;
        }
        EXPECT_EQ(Windows1252::fromUnicode(codePoint), byte) << byte;
    }
    EXPECT_EQ(undefined, 5);  // 0x81, 0x8D, 0x8F, 0x90, 0x9D
    EXPECT_EQ(Windows1252::toUnicode(0x80), U'\u20AC');
    EXPECT_EQ(Windows1252::toUnicode(0x92), U'\u2019');
    EXPECT_EQ(Windows1252::toUnicode(0xE9), U'\u00E9');
    // C1 controls and characters beyond the code page have no byte.
    EXPECT_EQ(Windows1252::fromUnicode(0x81), -1);
    EXPECT_EQ(Windows1252::fromUnicode(0x96), -1);
    EXPECT_EQ(Windows1252::fromUnicode(0x2192), -1);
    EXPECT_EQ(Windows1252::fromUnicode(0x100), -1);
}
