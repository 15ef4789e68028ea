#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// In-memory image of a save file, addressed in bits (least significant bit of
// each byte first). Reads past the end give zeros and never move the read
// position; counts taken from damaged data are checked against what is left.
class Buffer {
public:
    virtual ~Buffer() = default;

    void clear();
    void rewind();
    void setData(const unsigned char* bytes, std::size_t n);
    const unsigned char* data() const;
    std::size_t byteSize() const;
    std::size_t bitLength() const { return bitLength_; }

    void writeByte(unsigned char b);
    void writeBits(std::uint32_t value, int n);
    void writeBool(bool b);
    void writeInt16(std::int16_t v);
    void writeInt32(std::int32_t v);
    // At most kMaxStringLength bytes are kept, so the length always reads back.
    void writeString(const std::string& s);

    unsigned char readByte();
    std::uint32_t readBits(int n, bool signExtend);
    bool readBool();
    std::int16_t readInt16();
    std::int32_t readInt32();
    // A length longer than the bytes left is damage: see readCount.
    std::string readString();

    // Reads a 4-byte element count. A negative count gives 0. A count larger
    // than the bytes left cannot be genuine (every element takes at least one
    // byte): the rest of the image is then dropped and 0 returned, so nothing
    // is ever allocated or looped by a number the data cannot back.
    std::int32_t readCount();

    // Reads a count, then calls readElement that many times; the list stops
    // early when the data runs out, so no element is made from no data.
    template <typename ReadElement>
    void readList(ReadElement&& readElement) {
        const std::int32_t count = readCount();
        for (std::int32_t i = 0; i < count && !exhausted(); ++i) {
            readElement();
        }
    }

    // Whole bytes between the read position and the end.
    std::size_t remainingBytes() const;
    bool exhausted() const { return remainingBytes() == 0; }
    // Moves the read position to the end: everything after reads as zero.
    void skipToEnd();
    // Whether a read ran past the end or a count was refused since the last
    // setData or clear: the data was cut short or damaged.
    bool damaged() const { return damaged_; }

    static constexpr std::size_t kMaxStringLength = 32767;

private:
    std::vector<unsigned char> bytes_;
    std::size_t bitLength_ = 0;
    std::size_t readPosition_ = 0;
    std::size_t writePosition_ = 0;
    bool damaged_ = false;
};
