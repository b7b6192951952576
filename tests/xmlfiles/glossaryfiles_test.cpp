#include "checks/glossary.h"
#include "fileio/filereaderror.h"
#include "xmlfiles/glossarycsv.h"
#include "xmlfiles/tbxfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace kpd {
namespace {

Glossary sample()
{
    Glossary glossary;
    GlossaryTerm& speed = glossary.terms().emplace_back();
    speed.note = "Motor shaft speed, <not> the \"frequency\" & co";
    speed.formsFor("en") = {"Speed", {"Spd", "Sp"}, {}, {}};
    speed.formsFor("fr") = {"Vitesse",
                            {"Vit.", "V. r\xE9"
                                     "f"},
                            {"Allure"},
                            {"V\xE9locit\xE9", "Vtss"}};
    GlossaryTerm& reference = glossary.terms().emplace_back();
    reference.formsFor("de-DE") = {"Sollwert", {"Sollw."}, {}, {}};
    reference.formsFor("en") = {{}, {}, {}, {"Setpoint"}};
    return glossary;
}

TEST(GlossaryFiles, ATermBaseRoundTripsEveryFormInOrderAndIsWellFormed)
{
    const Glossary glossary = sample();
    const std::string text = TbxFile::text(glossary);
    EXPECT_NE(text.find("<langSet xml:lang=\"fr\">"), std::string::npos);
    EXPECT_NE(text.find("<term>V\xC3\xA9locit\xC3\xA9</term>\n"
                        "\t\t\t\t\t\t<termNote type=\"administrativeStatus\">deprecatedTerm-admn-sts</termNote>"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("<term>V. r\xC3\xA9"
                        "f</term>\n\t\t\t\t\t\t<termNote type=\"termType\">shortForm</termNote>"),
              std::string::npos);
    const Glossary back = TbxFile::parse(text);
    EXPECT_EQ(back.terms(), glossary.terms());
    EXPECT_EQ(TbxFile::text(back), text);

    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("glossary-" + std::to_string(::getpid()) + ".tbx");
    TbxFile::save(file.string(), glossary);
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0) GTEST_SKIP() << "xmllint is not installed";
    EXPECT_EQ(std::system(("xmllint --noout '" + file.string() + "'").c_str()), 0);
    std::filesystem::remove(file);
}

TEST(GlossaryFiles, TheLaterEditionsNamesAreReadAndElementsNotKnownAreSkipped)
{
    const Glossary glossary = TbxFile::parse(R"(<?xml version="1.0"?>
<tbx xmlns="urn:iso:std:iso:30042:ed-2" type="TBX-Basic" style="dca" xml:lang="en"><tbxHeader/><text><body>
 <conceptEntry id="c1"><descrip type="subjectField">drives</descrip><note>Ramp</note>
  <langSec xml:lang="fr"><termSec><term>Acc&#233;l&#233;ration</term>
   <termNote type="partOfSpeech">noun</termNote></termSec>
   <termSec><term>Acc.</term><termNote type="termType">abbreviation</termNote></termSec>
   <termSec><term>Acc&#233;l</term><termNote type="administrativeStatus">deprecatedTerm-admn-sts</termNote>
   </termSec></langSec></conceptEntry>
 <conceptEntry id="c2"/>
</body></text></tbx>)");
    ASSERT_EQ(glossary.terms().size(), 1u) << "an entry without a form or a note is no term";
    EXPECT_EQ(glossary.terms()[0].note, "Ramp");
    const GlossaryForms expected{"Acc\xE9l\xE9ration", {"Acc."}, {}, {"Acc\xE9l"}};
    EXPECT_EQ(*glossary.terms()[0].forms("fr_CA"), expected);
}

TEST(GlossaryFiles, ADocumentThatIsNoTermBaseOrNotWellFormedIsRefusedWithWhere)
{
    EXPECT_THROW(TbxFile::parse("<App><StringDB/></App>"), FileReadError);
    try {
        TbxFile::parse("<martif>\n<text>\n<body></text>");
        FAIL() << "a document cut wrong was read";
    } catch (const FileReadError& e) {
        EXPECT_NE(std::string(e.what()).find("at line 3"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(TbxFile::loadIfPresent("/nonexistent/glossary.tbx").empty());
}

TEST(GlossaryFiles, ATableRoundTripsQuotedFieldsAndListsAndReadsWindows1252)
{
    const Glossary glossary = sample();
    const std::string table = GlossaryCsv::text(glossary);
    EXPECT_EQ(table.substr(0, table.find("\r\n")),
              "de-DE,de-DE short,de-DE other,de-DE forbidden,en,en short,en other,en forbidden,"
              "fr,fr short,fr other,fr forbidden,note");
    EXPECT_EQ(GlossaryCsv::parse(table).terms(), glossary.terms());

    const Glossary old =
        GlossaryCsv::parse("\"fr\",note,fr forbidden\n\"Vitesse, moteur\",\"a \"\"b\"\"\",V\xE9l ; Vt\n");
    ASSERT_EQ(old.terms().size(), 1u);
    EXPECT_EQ(old.terms()[0].note, "a \"b\"");
    const GlossaryForms expected{"Vitesse, moteur", {}, {}, {"V\xE9l", "Vt"}};
    EXPECT_EQ(*old.terms()[0].forms("fr"), expected);
    EXPECT_THROW(GlossaryCsv::parse("en,comment\nSpeed,x\n"), FileReadError);
    const Glossary saved = GlossaryCsv::parse("\xEF\xBB\xBF"
                                              "en,en short\r\nSpeed,Spd\r\n\r\nRamp,\r\n");
    ASSERT_EQ(saved.terms().size(), 2u) << "a mark of the encoding and a blank line are no terms";
    EXPECT_EQ(saved.terms()[0].forms("en")->full, "Speed");
}

} // namespace
} // namespace kpd
