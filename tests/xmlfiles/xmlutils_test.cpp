#include "xmlfiles/xmlutils.h"

#include "model/modelerror.h"

#include <gtest/gtest.h>

namespace kpd {
namespace {

// Layout: one element a line, one tab per level, empty elements closed at once.
TEST(XMLutilsLayout, NestedElementsAndEmptyOnes)
{
    XMLutils x;
    x.startDoc();
    x.startEl("a");
    x.startEl("b");
    x.chars("t");
    x.endEl("b");
    x.startEl("c");
    x.endEl("c");
    x.endEl("a");
    x.endDoc();
    EXPECT_EQ(x.getOutput(), "<a>\n\t<b>t</b>\n\t<c/>\n</a>\n");
}

TEST(XMLutilsLayout, EmptyTextLeavesTheElementEmpty)
{
    XMLutils x;
    x.startDoc();
    x.startEl("Desc");
    x.chars("");
    x.endEl("Desc");
    x.endDoc();
    EXPECT_EQ(x.getOutput(), "<Desc/>\n");
}

TEST(XMLutilsLayout, SeveralTopLevelElementsEachOnTheirOwnLine)
{
    XMLutils x;
    x.startDoc();
    x.startEl("Menu");
    x.endEl("Menu");
    x.startEl("Menu");
    x.endEl("Menu");
    x.endDoc();
    EXPECT_EQ(x.getOutput(), "<Menu/>\n<Menu/>\n");
}

TEST(XMLutilsLayout, MismatchedEndIsRefused)
{
    XMLutils x;
    x.startDoc();
    x.startEl("a");
    EXPECT_THROW(x.endEl("b"), ModelError);
}

// The pending list is not emptied by startEl: a writer that forgets clearAttr repeats them.
TEST(XMLutilsAttributes, PendingListSurvivesUntilCleared)
{
    XMLutils x;
    x.startDoc();
    x.addAttr("k", "1");
    x.startEl("a");
    x.startEl("b");
    x.endEl("b");
    x.clearAttr();
    x.startEl("c");
    x.endEl("c");
    x.endEl("a");
    x.endDoc();
    EXPECT_EQ(x.getOutput(), "<a k=\"1\">\n\t<b k=\"1\"/>\n\t<c/>\n</a>\n");
}

TEST(XMLutilsAttributes, AttributesInTheOrderAdded)
{
    XMLutils x;
    x.startDoc();
    x.addAttr("AppID", "KeypadApp");
    x.addAttr("version", "10500");
    x.startEl("App");
    x.endEl("App");
    x.endDoc();
    EXPECT_EQ(x.getOutput(), "<App AppID=\"KeypadApp\" version=\"10500\"/>\n");
}

TEST(XMLutilsEscaping, MarkupInTextAndAttributes)
{
    XMLutils x;
    x.startDoc();
    x.addAttr("ModeID", "a\"b<c>&d'");
    x.startEl("Mode");
    x.chars("x & y < z > \"q\"");
    x.endEl("Mode");
    x.endDoc();
    EXPECT_EQ(x.getOutput(), "<Mode ModeID=\"a&quot;b&lt;c&gt;&amp;d'\">x &amp; y &lt; z &gt; \"q\"</Mode>\n");
}

// CR LF stays raw; a reader's normalisation and the loader's LF -> CR LF restore it.
// A lone CR needs a reference, or it would come back as CR LF.
TEST(XMLutilsEscaping, LineEndsInText)
{
    XMLutils x;
    x.startDoc();
    x.startEl("Help");
    x.chars("a\r\nb\rc\nd\r");
    x.endEl("Help");
    x.endDoc();
    EXPECT_EQ(x.getOutput(), "<Help>a\r\nb&#13;c\nd&#13;</Help>\n");
}

TEST(XMLutilsEscaping, WhitespaceInAttributesSurvivesNormalisation)
{
    XMLutils x;
    x.startDoc();
    x.addAttr("v", "a\tb\nc\rd");
    x.startEl("e");
    x.endEl("e");
    x.endDoc();
    EXPECT_EQ(x.getOutput(), "<e v=\"a&#9;b&#10;c&#13;d\"/>\n");
}

// Bytes XML cannot carry are written in the keypad's escaped form: 0x01 is ~A, 0x1B is ~x1b.
TEST(XMLutilsEscaping, ControlBytesBecomeKeypadEscapes)
{
    XMLutils x;
    x.startDoc();
    x.startEl("Desc");
    x.chars(std::string("a\x01" "b\x1b" "c\x7f" "d\x00", 8));
    x.endEl("Desc");
    x.endDoc();
    EXPECT_EQ(x.getOutput(), "<Desc>a~Ab~x1bc~x7fd~@</Desc>\n");
}

TEST(XMLutilsEncoding, HighBytesAreWrittenAsUtf8)
{
    XMLutils x;
    x.startDoc();
    x.addAttr("n", "\xe9");
    x.startEl("Desc");
    x.chars("caf\xe9 \xff\xa0");
    x.endEl("Desc");
    x.endDoc();
    EXPECT_EQ(x.getOutput(), "<Desc n=\"\xc3\xa9\">caf\xc3\xa9 \xc3\xbf\xc2\xa0</Desc>\n");
}

} // namespace
} // namespace kpd
