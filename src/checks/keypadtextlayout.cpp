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
