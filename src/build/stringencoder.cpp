#include "stringencoder.h"

#include "buildlimiterror.h"
#include "keypadwords.h"

#include <vector>

namespace kpd {

namespace {

// Replaces word by its token wherever it stands, scanning left to right. An occurrence
// that starts on the index byte of an earlier token is left alone: replacing it would
// orphan that token's 0x0F and the keypad would show the wrong text. (It can only start
// there: the 0x0F before every index byte is a separator, so no word contains it.)
void replaceWord(std::string& text, std::vector<bool>& indexByte, const std::string& word, std::uint8_t token)
{
    std::string out;
    std::vector<bool> outIndex;
    out.reserve(text.size());
    outIndex.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!indexByte[pos] && text.compare(pos, word.size(), word) == 0) {
            out += static_cast<char>(StringEncoder::kToken);
            out += static_cast<char>(token);
            outIndex.push_back(false);
            outIndex.push_back(true);
            pos += word.size();
        } else {
            out += text[pos];
            outIndex.push_back(indexByte[pos]);
            ++pos;
        }
    }
    text.swap(out);
    indexByte.swap(outIndex);
}

} // namespace

std::string StringEncoder::substitute(const std::string& text) const
{
    std::string current = text;
    std::vector<bool> indexByte(current.size(), false);
    for (const std::string& word : splitWords(text)) {
        const std::uint8_t token = dictionary_.findWord(word);
        if (token > 0 && current.find(word) != std::string::npos) replaceWord(current, indexByte, word, token);
    }
    return current;
}

StringEncoder::Encoded StringEncoder::encode(const std::string& text, DatabaseImage& image)
{
    const std::string stored = substitute(text);
    const auto found = stored_.find(stored);
    if (found != stored_.end()) {
        image.append(kBackReference);
        const std::size_t at = image.size();
        image.appendZeros(3);
        image.setU24(at, found->second);
        return {found->second, true};
    }
    if (stored_.size() >= kCapacity)
        throw BuildLimitError("The string database would store more than " + std::to_string(kCapacity) +
                              " different strings; the image cannot hold them.");
    const auto at = static_cast<std::uint32_t>(image.size());
    stored_.emplace(stored, at);
    image.append(stored);
    image.append(std::uint8_t{0});
    return {at, false};
}

} // namespace kpd
