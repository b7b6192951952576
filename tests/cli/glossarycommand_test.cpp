#include "glossarycommand.h"
#include "kpdtool.h"

#include "checks/glossary.h"
#include "xmlfiles/glossarycsv.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace kpd {
namespace {

namespace fs = std::filesystem;

const std::string kGlossaryDrive = std::string(KPD_SOURCE_DIR) + "/data";

// A copy of the sample drive whose folder can take a glossary, and a copy of its custom set.
class GlossaryCommandTest : public testing::Test {
protected:
    GlossaryCommandTest() : dir_(fs::temp_directory_path() / ("kpdglossary-" + std::to_string(::getpid())))
    {
        fs::create_directories(dir_ / "drive");
        for (const auto& entry : fs::directory_iterator(kGlossaryDrive))
            if (entry.is_regular_file()) fs::copy_file(entry.path(), dir_ / "drive" / entry.path().filename());
        std::ifstream in(kGlossaryDrive + "/Custom.kpl", std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        custom_ = s.str();
    }
    ~GlossaryCommandTest() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, const std::string& content)
    {
        std::ofstream(dir_ / name, std::ios::binary) << content;
        return (dir_ / name).string();
    }

    int run(std::vector<std::string> args)
    {
        out_.str({});
        err_.str({});
        args.insert(args.begin(), {"--folder", (dir_ / "drive").string()});
        KpdTool tool(out_, err_, kGlossaryDrive);
        return tool.run(args);
    }

    // Replaces the description of one mode of one parameter, found in file order.
    void seed(const std::string& menu, const std::string& para, const std::string& mode, const std::string& desc)
    {
        std::size_t at = custom_.find("<Menu MenuID=\"" + menu + "\">");
        at = custom_.find("<Para ParaID=\"" + para + "\"", at);
        at = custom_.find("<Mode ModeID=\"" + mode + "\"", at);
        const std::size_t from = custom_.find("<Desc>", at) + 6;
        ASSERT_NE(at, std::string::npos);
        custom_.replace(from, custom_.find("</Desc>", from) - from, desc);
    }

    fs::path dir_;
    std::string custom_;
    std::ostringstream out_;
    std::ostringstream err_;
};

const std::string kGlossaryTable = "en,fr,fr short,fr forbidden,note\n"
                                   "supply,alimentation,alim.,suply,Mains side\n";

TEST_F(GlossaryCommandTest, OneSeededFaultOfEachKindIsFoundAndNothingElse)
{
    ASSERT_EQ(run({"glossary", "import", write("terms.csv", kGlossaryTable)}), 0) << err_.str();
    seed("m1", "p1", "Regen", "Ref offset~Msuply side");
    seed("m1", "p2", "Servo", "Negative ref~MOn or Off");
    seed("m0", "p1", "Open loop", "Maximum speed~Min Hz");
    const std::string file = write("seeded.kpd", custom_);

    // The sample's British forms are the drive's own words, so that only the seeded faults show.
    std::ofstream(dir_ / "drive" / "wordlist.dic", std::ios::app) << "optimise\nmagnetising\nMagnetising\n";
    EXPECT_EQ(run({"check", file, "--kinds", "spelling,glossary,inconsistent,ambiguous", "--json"}), 1) << err_.str();
    const std::string out = out_.str();
    std::vector<std::string> found;
    const std::regex problem("\"kind\": \"([a-z-]+)\", \"menu\": \"(m[0-9]+)\", \"parameter\": \"(p[0-9]+)\", "
                             "\"mode\": \"([A-Za-z ]+)\"");
    for (auto it = std::sregex_iterator(out.begin(), out.end(), problem); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1].str() + " " + (*it)[2].str() + " " + (*it)[3].str() + " " + (*it)[4].str());
    // "suply" is both a forbidden form and no word of the dictionary.
    const std::vector<std::string> expected{"ambiguous m0 p1 Open loop", "ambiguous m0 p2 Open loop",
                                            "glossary m1 p1 Regen",      "glossary m1 p1 Regen",
                                            "inconsistent m1 p2 Servo",  "spelling m1 p1 Regen"};
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected) << out;

    EXPECT_EQ(run({"check", write("clean.kpd", std::string(custom_).replace(custom_.find("suply"), 5, "supply")),
                   "--kinds", "glossary"}),
              0)
        << "an untranslated text is no glossary fault";
}

TEST_F(GlossaryCommandTest, SpellingAcceptsTheGlossarysFormsInTheCustomSetsLanguage)
{
    ASSERT_EQ(
        run({"glossary", "import", write("terms.csv", "en,en short,fr,fr short\nsupply,Sply,alimentation,Alim\n")}), 0)
        << err_.str();
    // The custom set spells with its reference set's language, English.
    seed("m1", "p1", "Regen", "Sply offset");
    seed("m1", "p2", "Servo", "Alim offset");
    EXPECT_EQ(run({"check", write("short.kpd", custom_), "--kinds", "spelling", "--fail-on", "spelling"}), 1)
        << err_.str();
    EXPECT_EQ(out_.str().find("\"Sply\""), std::string::npos) << out_.str();
    EXPECT_NE(out_.str().find("m1 p2 Servo description: spelling: \"Alim\""), std::string::npos) << out_.str();
}

TEST_F(GlossaryCommandTest, ImportKeepsAnExistingGlossaryUnlessForcedAndExportWritesEitherFormat)
{
    const std::string table = write("terms.csv", kGlossaryTable);
    ASSERT_EQ(run({"glossary", "import", table}), 0);
    EXPECT_EQ(out_.str(), "1 terms written to " + (dir_ / "drive" / "glossary.tbx").string() + "\n");
    EXPECT_EQ(run({"glossary", "import", table}), 2);
    EXPECT_NE(err_.str().find("--force replaces it"), std::string::npos);
    EXPECT_EQ(run({"glossary", "import", table, "--force"}), 0);

    const std::string exported = (dir_ / "back.csv").string();
    ASSERT_EQ(run({"glossary", "export", exported}), 0);
    EXPECT_EQ(GlossaryCommand::read(exported).terms(), GlossaryCsv::parse(kGlossaryTable).terms());
    EXPECT_EQ(run({"glossary", "rename", exported}), 2);
    EXPECT_EQ(run({"glossary", "import", write("broken.tbx", "<martif><text>"), "--force"}), 2);
    EXPECT_NE(err_.str().find("broken.tbx"), std::string::npos) << err_.str();
}

} // namespace
} // namespace kpd
