#pragma once

#include "databaseimage.h"
#include "dictionary.h"

#include <cstdint>
#include <string>
#include <unordered_map>

namespace kpd {

// Writes the unique strings of the records into the image: dictionary words become
// tokens (0x0F and the word's index), and a string stored before becomes a
// back-reference (0x0E and the u24 offset of its first byte).
class StringEncoder {
public:
    static constexpr std::size_t kCapacity = 16385;   // distinct stored strings
    static constexpr std::uint8_t kBackReference = 0x0E;
    static constexpr std::uint8_t kToken = 0x0F;

    explicit StringEncoder(const Dictionary& dictionary) : dictionary_(dictionary) {}

    // The text with every dictionary word (index 1 to 255) of its own word list replaced
    // everywhere, also inside longer words, word by word in list order.
    std::string substitute(const std::string& text) const;

    struct Encoded {
        std::uint32_t storedAt = 0;   // offset of the stored text's first byte
        bool backReference = false;   // written as a reference to a text stored before
    };
    Encoded encode(const std::string& text, DatabaseImage& image);

    std::size_t storedCount() const { return stored_.size(); }

private:
    const Dictionary& dictionary_;
    std::unordered_map<std::string, std::uint32_t> stored_;
};

} // namespace kpd
