#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kpd {

// The attributes of one start tag, in document order, as the model's 8-bit text. A view:
// the reader owns the pairs and reuses them from one start tag to the next.
class SaxAttributes {
public:
    using Pairs = std::vector<std::pair<std::string, std::string>>;

    SaxAttributes() : SaxAttributes(empty()) {}
    explicit SaxAttributes(const Pairs& pairs, std::size_t count) : pairs_(pairs), count_(count) {}
    explicit SaxAttributes(const Pairs& pairs) : SaxAttributes(pairs, pairs.size()) {}

    int getLength() const { return static_cast<int>(count_); }
    const std::string& getQName(int index) const;
    // The name after any prefix.
    std::string getLocalName(int index) const;
    const std::string& getValue(int index) const;
    // An attribute the element does not carry is a model error, as a failed read always was.
    const std::string& getValueFromQName(const std::string& qName) const;
    const std::string* find(std::string_view qName) const;

private:
    static const Pairs& empty();

    const Pairs& pairs_;
    std::size_t count_;
};

} // namespace kpd
