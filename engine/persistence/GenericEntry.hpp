#pragma once

#include <cstddef>
#include <type_traits>

#include "engine/persistence/SaveGame.hpp"
#include "engine/persistence/SaveGameEntry.hpp"

// A setting of one integral value stored in exactly sizeof(T) bytes, least
// significant first. `initial` keeps the starting value and is never written.
template <typename T>
class GenericEntry : public SaveGameEntry {
    static_assert(std::is_integral<T>::value, "GenericEntry holds integral values");

public:
    explicit GenericEntry(T start) : value(start), initial(start) {}

    bool readFrom(SaveGame& store) override {
        unsigned char bytes[sizeof(T)] = {};
        store.readBytes(bytes, static_cast<int>(sizeof(T)));
        using U = std::make_unsigned_t<T>;
        U u = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            u = static_cast<U>(u | static_cast<U>(static_cast<U>(bytes[i]) << (8 * i)));
        }
        value = static_cast<T>(u);
        return true;
    }

    bool writeTo(SaveGame& store) override {
        using U = std::make_unsigned_t<T>;
        const U u = static_cast<U>(value);
        unsigned char bytes[sizeof(T)];
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            bytes[i] = static_cast<unsigned char>((u >> (8 * i)) & 0xFF);
        }
        store.writeBytes(bytes, static_cast<int>(sizeof(T)));
        return true;
    }

    T value;
    T initial;
};
