#include "engine/persistence/Buffer.hpp"

#include <algorithm>

void Buffer::clear() {
    bytes_.clear();
    bitLength_ = 0;
    readPosition_ = 0;
    writePosition_ = 0;
    damaged_ = false;
}

void Buffer::rewind() {
    readPosition_ = 0;
}

void Buffer::setData(const unsigned char* bytes, std::size_t n) {
    bytes_.assign(bytes, bytes + n);
    bitLength_ = 8 * n;
    readPosition_ = 0;
    writePosition_ = bitLength_;
    damaged_ = false;
}

const unsigned char* Buffer::data() const {
    return bytes_.empty() ? nullptr : bytes_.data();
}

std::size_t Buffer::byteSize() const {
    return (bitLength_ + 7) / 8;
}

void Buffer::writeByte(unsigned char b) {
    const unsigned s = writePosition_ % 8;
    if (s == 0) {
        bytes_.push_back(b);
    } else {
        bytes_.back() = static_cast<unsigned char>(bytes_.back() | (b << s));
        bytes_.push_back(static_cast<unsigned char>(b >> (8 - s)));
    }
    writePosition_ += 8;
    bitLength_ = writePosition_;
}

void Buffer::writeBits(std::uint32_t value, int n) {
    for (int i = 0; i < n; ++i) {
        if (writePosition_ % 8 == 0) {
            bytes_.push_back(0);
        }
        if (i < 32 && ((value >> i) & 1u)) {
            bytes_[writePosition_ / 8] = static_cast<unsigned char>(bytes_[writePosition_ / 8] | (1u << (writePosition_ % 8)));
        }
        ++writePosition_;
    }
    bitLength_ = writePosition_;
}

void Buffer::writeBool(bool b) {
    writeByte(b ? 1 : 0);
}

void Buffer::writeInt16(std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    writeByte(static_cast<unsigned char>(u & 0xFF));
    writeByte(static_cast<unsigned char>(u >> 8));
}

void Buffer::writeInt32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) {
        writeByte(static_cast<unsigned char>((u >> (8 * i)) & 0xFF));
    }
}

void Buffer::writeString(const std::string& s) {
    const std::size_t n = std::min(s.size(), kMaxStringLength);
    writeInt16(static_cast<std::int16_t>(n));
    for (std::size_t i = 0; i < n; ++i) {
        writeByte(static_cast<unsigned char>(s[i]));
    }
}

unsigned char Buffer::readByte() {
    if ((readPosition_ + 7) / 8 >= bytes_.size()) {
        damaged_ = true;
        return 0;
    }
    const std::size_t index = readPosition_ / 8;
    const unsigned s = readPosition_ % 8;
    unsigned value = bytes_[index] >> s;
    if (s != 0) {
        value |= static_cast<unsigned>(bytes_[index + 1]) << (8 - s);
    }
    readPosition_ += 8;
    return static_cast<unsigned char>(value & 0xFF);
}

std::uint32_t Buffer::readBits(int n, bool signExtend) {
    std::uint32_t result = 0;
    int got = 0;
    for (; got < n && got < 32; ++got) {
        if (readPosition_ / 8 >= bytes_.size()) {
            damaged_ = true;
            break;
        }
        const unsigned bit = (bytes_[readPosition_ / 8] >> (readPosition_ % 8)) & 1u;
        result |= bit << got;
        ++readPosition_;
    }
    if (signExtend && got > 0 && got < 32 && ((result >> (got - 1)) & 1u)) {
        result |= ~0u << got;
    }
    return result;
}

bool Buffer::readBool() {
    return readByte() != 0;
}

std::int16_t Buffer::readInt16() {
    const unsigned lo = readByte();
    const unsigned hi = readByte();
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

std::int32_t Buffer::readInt32() {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) {
        u |= static_cast<std::uint32_t>(readByte()) << (8 * i);
    }
    return static_cast<std::int32_t>(u);
}

std::string Buffer::readString() {
    const std::int16_t length = readInt16();
    if (length <= 0) {
        return std::string();
    }
    if (static_cast<std::size_t>(length) > remainingBytes()) {
        skipToEnd();
        return std::string();
    }
    std::string s(static_cast<std::size_t>(length), '\0');
    for (auto& c : s) {
        c = static_cast<char>(readByte());
    }
    return s;
}

std::int32_t Buffer::readCount() {
    const std::int32_t count = readInt32();
    if (count <= 0) {
        return 0;
    }
    if (static_cast<std::size_t>(count) > remainingBytes()) {
        skipToEnd();
        return 0;
    }
    return count;
}

std::size_t Buffer::remainingBytes() const {
    return bitLength_ > readPosition_ ? (bitLength_ - readPosition_) / 8 : 0;
}

void Buffer::skipToEnd() {
    damaged_ = true;
    readPosition_ = std::max(readPosition_, bytes_.size() * 8);
}
