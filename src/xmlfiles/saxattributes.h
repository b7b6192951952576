#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kpd {

// The attributes of one start tag, in document order, as the model's 8-bit text.
class SaxAttributes {
public:
    SaxAttributes() = default;
    explicit SaxAttributes(std::vector<std::pair<std::string, std::string>> pairs) : pairs_(std::move(pairs)) {}

    int getLength() const { return static_cast<int>(pairs_.size()); }
    const std::string& getQName(int index) const;
    // The name after any prefix.
    std::string getLocalName(int index) const;
    const std::string& getValue(int index) const;
    // An attribute the element does not carry is a model error, as a failed read always was.
    const std::string& getValueFromQName(const std::string& qName) const;
    const std::string* find(const std::string& qName) const;

private:
    std::vector<std::pair<std::string, std::string>> pairs_;
};

} // namespace kpd
