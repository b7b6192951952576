#include "xmlutils.h"

#include "model/modelerror.h"

namespace kpd {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// XML 1.0 cannot carry control characters other than tab, line feed and carriage return,
// not even as character references. They are written in the keypad's own escaped form,
// which every reader of these texts (build, grid, export) decodes to the same byte.
void appendKeypadEscape(std::string& out, unsigned char byte)
{
    out += '~';
    if (byte < 0x10) {
        out += static_cast<char>(byte + 0x40);
    } else {
        out += 'x';
        out += kHex[byte >> 4];
        out += kHex[byte & 0x0F];
    }
}

void appendEscaped(std::string& out, const std::string& text, bool attribute)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '&': out += "&amp;"; continue;
        case '<': out += "&lt;"; continue;
        case '>': out += "&gt;"; continue;
        case '"':
            out += attribute ? "&quot;" : "\"";
            continue;
        case '\t':
            out += attribute ? "&#9;" : "\t";
            continue;
        case '\n':
            out += attribute ? "&#10;" : "\n";
            continue;
        case '\r':
            // A reader turns CR LF and a lone CR into LF, and the loader turns LF back into
            // CR LF; only a CR that no LF follows needs a reference to come back as itself.
            if (attribute || i + 1 >= text.size() || text[i + 1] != '\n')
                out += "&#13;";
            else
                out += '\r';
            continue;
        default: break;
        }
        if (byte < 0x20 || byte == 0x7F) {
            appendKeypadEscape(out, byte);
        } else if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
}

} // namespace

void XMLutils::startDoc()
{
    output_.clear();
    open_.clear();
    startTagPending_ = false;
}

void XMLutils::endDoc()
{
    if (!open_.empty())
        throw ModelError(ModelError::InvalidCall, "The element \"" + open_.back().name + "\" is still open");
    if (!output_.empty()) output_ += '\n';
}

void XMLutils::addAttr(const std::string& name, const std::string& value)
{
    attributes_.emplace_back(name, value);
}

void XMLutils::closePendingStartTag()
{
    if (startTagPending_) {
        output_ += '>';
        startTagPending_ = false;
    }
}

void XMLutils::newLine(std::size_t depth)
{
    if (!output_.empty()) output_ += '\n';
    output_.append(depth, '\t');
}

void XMLutils::startEl(const std::string& name)
{
    closePendingStartTag();
    if (!open_.empty()) open_.back().hasChildren = true;
    newLine(open_.size());
    output_ += '<';
    output_ += name;
    for (const auto& [attrName, value] : attributes_) {
        output_ += ' ';
        output_ += attrName;
        output_ += "=\"";
        appendEscaped(output_, value, true);
        output_ += '"';
    }
    open_.push_back({name, false});
    startTagPending_ = true;
}

void XMLutils::endEl(const std::string& name)
{
    if (open_.empty() || open_.back().name != name)
        throw ModelError(ModelError::InvalidCall, "The element \"" + name + "\" is not the one open");
    const OpenElement element = open_.back();
    open_.pop_back();
    if (startTagPending_) {
        output_ += "/>";
        startTagPending_ = false;
        return;
    }
    if (element.hasChildren) newLine(open_.size());
    output_ += "</";
    output_ += name;
    output_ += '>';
}

void XMLutils::chars(const std::string& charStr)
{
    if (charStr.empty()) return;
    if (open_.empty())
        throw ModelError(ModelError::InvalidCall, "Text outside any element");
    closePendingStartTag();
    appendEscaped(output_, charStr, false);
}

void XMLutils::textElement(const std::string& name, const std::string& text)
{
    startEl(name);
    chars(text);
    endEl(name);
}

} // namespace kpd
