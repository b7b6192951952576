#include "exchange/powriter.h"
#include "exchange/xliff12writer.h"
#include "exchange/xliff21writer.h"

#include <gtest/gtest.h>

namespace kpd {
namespace {

// One description with a Latin-1 letter, a line break, an escape and markup characters,
// written out by hand in each format.
ExchangeDocument oneUnit()
{
    ExchangeDocument document;
    document.original = "drive.kpd";
    document.sourceLanguage = "en";
    document.targetLanguage = "de";
    document.generator = "kpdtool 9";
    document.revisionDate = "2026-01-02 03:04+0000";
    ExchangeUnit unit;
    unit.id = "m0.p1.Open_20loop.desc";
    unit.resname = "m0/p1/Open loop/desc";
    unit.menuKey = "m0";
    unit.menuName = "Quick";
    unit.paraKey = "p1";
    unit.paraName = "Speed";
    unit.modeKey = "Open loop";
    unit.source = "Size <\"a\">";
    unit.target = "Gr\xF6\xDF"
                  "e\n~x80 & \\";
    unit.translated = true;
    unit.maxLength = 33;
    unit.maxLines = 2;
    unit.columns = 16;
    document.units.push_back(unit);
    return document;
}

const std::string kPlace = "Description of parameter p1 (Speed) in mode Open loop, menu m0 (Quick)";

TEST(ExchangeWriters, Xliff12CarriesTheLimitsAsSizeAttributesAndPlatformFlags)
{
    const std::string text = Xliff12Writer::fileText(oneUnit());
    EXPECT_NE(text.find("<file original=\"drive.kpd\" source-language=\"en\" target-language=\"de\" "
                        "datatype=\"plaintext\">"),
              std::string::npos);
    EXPECT_NE(text.find("<group id=\"menu.m0\" resname=\"m0\">\n\t\t\t\t<note>Menu m0 (Quick)</note>"),
              std::string::npos);
    EXPECT_NE(text.find("<trans-unit id=\"m0.p1.Open_20loop.desc\" resname=\"m0/p1/Open loop/desc\" maxwidth=\"33\" "
                        "maxheight=\"2\" size-unit=\"char\" weblate-flags=\"max-length:33, max-lines:2\" "
                        "xml:space=\"preserve\">\n\t\t\t\t\t<source>Size &lt;\"a\"&gt;</source>\n"
                        "\t\t\t\t\t<target state=\"translated\">Gr\xC3\xB6\xC3\x9F"
                        "e\n~x80 &amp; \\</target>\n"
                        "\t\t\t\t\t<note>" +
                        kPlace +
                        "</note>\n"
                        "\t\t\t\t\t<note>2 lines of 16 characters on the keypad display</note>"),
              std::string::npos)
        << text;
}

TEST(ExchangeWriters, Xliff21CountsTheLimitInCodePoints)
{
    const std::string text = Xliff21Writer::fileText(oneUnit());
    EXPECT_NE(text.find("version=\"2.1\" srcLang=\"en\" trgLang=\"de\">"), std::string::npos);
    EXPECT_NE(text.find("<slr:profiles generalProfile=\"xliff:codepoints\"/>"), std::string::npos);
    EXPECT_NE(text.find("<unit id=\"m0.p1.Open_20loop.desc\" name=\"m0/p1/Open loop/desc\" "
                        "slr:sizeRestriction=\"33\" xml:space=\"preserve\">"),
              std::string::npos);
    EXPECT_NE(text.find("<segment state=\"translated\">\n\t\t\t\t\t<source>Size &lt;\"a\"&gt;</source>\n"
                        "\t\t\t\t\t<target>Gr\xC3\xB6\xC3\x9F"
                        "e\n~x80 &amp; \\</target>"),
              std::string::npos)
        << text;
}

TEST(ExchangeWriters, PoPutsTheLimitInFlagsAndCommentAndSplitsLinesAfterBreaks)
{
    const std::string text = PoWriter::fileText(oneUnit());
    EXPECT_NE(text.find("\"Language: de\\n\"\n\"MIME-Version: 1.0\\n\"\n"
                        "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"),
              std::string::npos);
    EXPECT_NE(text.find("\n\n#. Unit m0.p1.Open_20loop.desc\n#. " + kPlace +
                        "\n#. 2 lines of 16 characters on the keypad display: c=16 r=2\n"
                        "#, max-length:33, max-lines:2\nmsgctxt \"m0.p1.Open_20loop.desc\"\n"
                        "msgid \"Size <\\\"a\\\">\"\nmsgstr \"\"\n\"Gr\xC3\xB6\xC3\x9F"
                        "e\\n\"\n\"~x80 & \\\\\"\n"),
              std::string::npos)
        << text;
}

} // namespace
} // namespace kpd
