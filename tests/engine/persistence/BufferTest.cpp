#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/persistence/Buffer.hpp"

namespace {

std::vector<unsigned char> bytesOf(const Buffer& buffer) {
    return std::vector<unsigned char>(buffer.data(), buffer.data() + buffer.byteSize());
}

}  // namespace

TEST(Buffer, WholeValuesAreLittleEndianBytesAndReadBack) {
    Buffer b;
    EXPECT_EQ(b.data(), nullptr);
    EXPECT_EQ(b.byteSize(), 0u);
    b.writeInt32(-2);
    b.writeInt16(0x1234);
    b.writeBool(true);
    b.writeBool(false);
    b.writeString("ab");
    EXPECT_EQ(bytesOf(b), (std::vector<unsigned char>{0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 1, 0, 2, 0, 'a', 'b'}));

    EXPECT_EQ(b.readInt32(), -2);
    EXPECT_EQ(b.readInt16(), 0x1234);
    EXPECT_TRUE(b.readBool());
    EXPECT_FALSE(b.readBool());
    EXPECT_EQ(b.readString(), "ab");
    EXPECT_TRUE(b.exhausted());
    EXPECT_FALSE(b.damaged());

    // Past the end every read is zero and the position stays put.
    EXPECT_EQ(b.readInt32(), 0);
    EXPECT_TRUE(b.damaged());
    b.rewind();
    EXPECT_EQ(b.readInt32(), -2);

    b.clear();
    EXPECT_EQ(b.byteSize(), 0u);
    EXPECT_EQ(b.readByte(), 0);
}

TEST(Buffer, BitsArePackedLeastSignificantFirstAcrossByteBoundaries) {
    Buffer b;
    b.writeBits(0b101, 3);
    b.writeByte(0xFF);
    EXPECT_EQ(b.bitLength(), 11u);
    EXPECT_EQ(bytesOf(b), (std::vector<unsigned char>{0xFD, 0x07}));
    EXPECT_EQ(b.readBits(3, false), 5u);
    EXPECT_EQ(b.readByte(), 0xFF);
    EXPECT_EQ(b.readByte(), 0) << "three bits are left, not a byte";

    b.clear();
    b.writeBits(0b110, 3);
    b.writeBits(0x3, 2);
    EXPECT_EQ(b.readBits(3, true), 0xFFFFFFFEu) << "a set top bit extends the sign";
    EXPECT_EQ(b.readBits(2, true), 0xFFFFFFFFu);
    b.rewind();
    EXPECT_EQ(b.readBits(3, false), 6u);
    // Asking for more bits than there are keeps those gathered so far.
    EXPECT_EQ(b.readBits(8, false), 3u);

    b.clear();
    b.writeByte(0xA5);
    b.writeBits(1, 1);
    b.writeByte(0x80);
    EXPECT_EQ(bytesOf(b), (std::vector<unsigned char>{0xA5, 0x01, 0x01}));
    EXPECT_EQ(b.readByte(), 0xA5);
    EXPECT_EQ(b.readBits(1, false), 1u);
    EXPECT_EQ(b.readByte(), 0x80);
}

TEST(Buffer, StringsKeepTheirLengthReadableAndRefuseImpossibleLengths) {
    Buffer b;
    const std::string longName(40000, 'x');
    b.writeString(longName);
    b.writeInt32(77);
    EXPECT_EQ(b.readString(), std::string(Buffer::kMaxStringLength, 'x'));
    EXPECT_EQ(b.readInt32(), 77) << "the value after a long string is still in step";

    const unsigned char negative[] = {0xFF, 0xFF, 9, 0, 0, 0};
    b.setData(negative, sizeof negative);
    EXPECT_EQ(b.readString(), "");
    EXPECT_EQ(b.readInt32(), 9) << "a negative length reads nothing";

    const unsigned char tooLong[] = {10, 0, 'a', 'b', 'c'};
    b.setData(tooLong, sizeof tooLong);
    EXPECT_EQ(b.readString(), "");
    EXPECT_TRUE(b.exhausted());
    EXPECT_TRUE(b.damaged());
}

TEST(Buffer, CountsThatTheDataCannotHoldEndTheData) {
    Buffer b;
    b.writeInt32(3);
    b.writeInt32(10);
    b.writeInt32(20);
    b.writeInt32(30);
    std::vector<int> values;
    b.readList([&] { values.push_back(b.readInt32()); });
    EXPECT_EQ(values, (std::vector<int>{10, 20, 30}));
    EXPECT_FALSE(b.damaged());

    // Count 3 with one and a half elements present: the started element is
    // kept with zeros for its missing bytes, no element is made from nothing.
    const unsigned char cut[] = {3, 0, 0, 0, 10, 0, 0, 0, 20, 0};
    b.setData(cut, sizeof cut);
    values.clear();
    b.readList([&] { values.push_back(b.readInt32()); });
    EXPECT_EQ(values, (std::vector<int>{10, 20}));

    const unsigned char huge[] = {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3, 4, 5};
    b.setData(huge, sizeof huge);
    EXPECT_EQ(b.readCount(), 0);
    EXPECT_EQ(b.readInt32(), 0) << "everything after a refused count reads as zero";
    EXPECT_TRUE(b.damaged());

    const unsigned char negative[] = {0xFE, 0xFF, 0xFF, 0xFF, 6, 0, 0, 0};
    b.setData(negative, sizeof negative);
    EXPECT_EQ(b.readCount(), 0);
    EXPECT_EQ(b.readInt32(), 6);
}
