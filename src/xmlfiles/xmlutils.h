#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kpd {

// Builds one XML document in memory: no declaration, each element on a line of its own,
// indented by one tab per level, and an element with nothing inside written empty.
// Names and values are the model's 8-bit text; the output is UTF-8.
class XMLutils {
public:
    void startDoc();
    void endDoc();

    // The pending attributes stay until cleared, so every element writer clears first.
    void clearAttr() { attributes_.clear(); }
    void addAttr(const std::string& name, const std::string& value);

    void startEl(const std::string& name);
    void endEl(const std::string& name);
    // An empty text writes nothing, so the element can still come out empty.
    void chars(const std::string& charStr);
    // An element holding only text.
    void textElement(const std::string& name, const std::string& text);

    const std::string& getOutput() const { return output_; }

private:
    struct OpenElement {
        std::string name;
        bool hasChildren = false;
    };

    void closePendingStartTag();
    void newLine(std::size_t depth);

    std::vector<std::pair<std::string, std::string>> attributes_;
    std::vector<OpenElement> open_;
    bool startTagPending_ = false;
    std::string output_;
};

} // namespace kpd
