#include "cellchanges.h"

#include "build/escapes.h"

namespace kpd {

namespace {

constexpr char kLineBreak = 0x0D;

std::vector<std::string> layOut(const std::string& bytes, int columns)
{
    std::vector<std::string> lines(1);
    for (const char byte : bytes) {
        if (static_cast<int>(lines.back().size()) >= columns) lines.emplace_back();
        lines.back() += byte;
        if (byte == kLineBreak) lines.emplace_back();
    }
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
    return lines;
}

} // namespace

CellChanges::CellChanges(const std::string& escapedText, const std::string& otherEscapedText, int columns)
{
    const std::vector<std::string> ours = layOut(decodeEscapes(escapedText, false), columns);
    const std::vector<std::string> theirs = layOut(decodeEscapes(otherEscapedText, false), columns);
    lineCount_ = static_cast<int>(ours.size());
    for (std::size_t row = 0; row < ours.size(); ++row) {
        const std::string& line = ours[row];
        const std::string* other = row < theirs.size() ? &theirs[row] : nullptr;
        for (std::size_t column = 0; column < line.size(); ++column) {
            if (!other || column >= other->size() || (*other)[column] != line[column])
                changed_.push_back({static_cast<int>(row), static_cast<int>(column)});
        }
    }
}

} // namespace kpd
