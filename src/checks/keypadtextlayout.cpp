#include "keypadtextlayout.h"

#include "lcdtextbox/cescapedtext.h"
#include "lcdtextbox/ckeypadedit.h"
#include "lcdtextbox/ckeypadtext.h"

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
    CKeypadText text = laidOut(escaped, cols);
    Stripped result;
    result.removed = CKeypadEdit(text).stripTrailingSpaces();
    result.text = result.removed > 0 ? CEscapedText::encode(text.text()) : escaped;
    return result;
}

} // namespace kpd
