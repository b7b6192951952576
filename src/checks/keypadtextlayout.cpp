#include "keypadtextlayout.h"

#include "keypadtext/cescapedtext.h"
#include "keypadtext/ckeypadtext.h"

#include <vector>

namespace kpd {

namespace {

CKeypadText laidOut(const std::string& escaped, int cols)
{
    CKeypadText text;
    text.setCols(cols);
    text.setText(CEscapedText::decode(escaped));
    return text;
}

} // namespace

int KeypadTextLayout::displayLines(const std::string& escaped, int cols)
{
    return laidOut(escaped, cols).lastLine() + 1;
}

std::vector<std::string> KeypadTextLayout::lines(const std::string& escaped, int cols)
{
    const CKeypadText text = laidOut(escaped, cols);
    std::vector<std::string> result;
    for (int line = 0; line <= text.lastLine(); ++line) {
        // A line's end is its last byte, a break included.
        std::string bytes = text.text().substr(static_cast<std::size_t>(text.lineStart(line)),
                                               static_cast<std::size_t>(text.lineEnd(line) - text.lineStart(line) + 1));
        if (!bytes.empty() && static_cast<std::uint8_t>(bytes.back()) == CKeypadText::lineBreak) bytes.pop_back();
        result.push_back(std::move(bytes));
    }
    return result;
}

KeypadTextLayout::Stripped KeypadTextLayout::stripTrailingSpaces(const std::string& escaped, int cols)
{
    std::vector<CEscapedText::Source> sources;
    CKeypadText text;
    text.setCols(cols);
    text.setText(CEscapedText::decode(escaped, &sources));
    // Only the characters that gave the blanks go: every other escape keeps its spelling,
    // so a strip changes nothing a comparison or a saved file would show beyond them.
    const std::vector<bool> blank = text.trailingBlanks();
    Stripped result;
    std::size_t copied = 0;
    for (std::size_t k = 0; k < blank.size(); ++k) {
        if (!blank[k]) continue;
        result.text.append(escaped, copied, sources[k].begin - copied);
        copied = sources[k].end;
        ++result.removed;
    }
    result.text.append(escaped, copied);
    return result;
}

} // namespace kpd
