#include "kpdtool.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace kpd {
namespace {

namespace fs = std::filesystem;

const std::string kData = std::string(KPD_SOURCE_DIR) + "/data";

class CheckCommandTest : public testing::Test {
protected:
    CheckCommandTest() : dir_(fs::temp_directory_path() / ("kpdcheck-" + std::to_string(::getpid())))
    {
        fs::create_directories(dir_);
        std::ifstream in(kData + "/Custom.kpl", std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        sample_ = s.str();
        write("sample.kpd", sample_);
    }
    ~CheckCommandTest() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, const std::string& content)
    {
        std::ofstream(dir_ / name, std::ios::binary) << content;
        return (dir_ / name).string();
    }

    int run(std::vector<std::string> args)
    {
        out_.str({});
        err_.str({});
        KpdTool tool(out_, err_, kData);
        return tool.run(args);
    }

    int count(const std::string& kind) const
    {
        std::smatch match;
        const std::string out = out_.str();
        if (!std::regex_search(out, match, std::regex("\"" + kind + "\": ([0-9]+)[,}]"))) return -1;
        return std::stoi(match[1]);
    }

    fs::path dir_;
    std::string sample_;
    std::ostringstream out_;
    std::ostringstream err_;
};

void replaceFirst(std::string& text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

TEST_F(CheckCommandTest, TheSampleCopiesTheReferenceSoOnlyUnchangedTextsAreFound)
{
    EXPECT_EQ(run({"check", (dir_ / "sample.kpd").string(), "--json", "--kinds", "all"}), 0);
    EXPECT_GT(count("unchanged"), 0);
    for (const char* kind : {"empty", "overflow", "no-glyph", "trailing-space", "mode-mismatch", "near-duplicate"})
        EXPECT_EQ(count(kind), 0) << kind;
}

TEST_F(CheckCommandTest, EverySeededKindIsFoundAndOverflowFailsTheRun)
{
    std::string seeded = sample_;
    replaceFirst(seeded, "<Desc>Parameter zero~Mselect option</Desc>", "<Desc>Parameter zero~Mselect~Moption</Desc>");
    replaceFirst(seeded, "<Desc>Minimum speed~Min Hz</Desc>", "<Desc>Minimum speed~Min Hz~A</Desc>");
    replaceFirst(seeded, "<Desc>Maximum speed~Min Hz</Desc>", "<Desc>Maximum speed  ~Min Hz</Desc>");
    replaceFirst(seeded, "<Desc>Accel rate 1~Ms per 100 Hz</Desc>", "<Desc></Desc>");
    replaceFirst(seeded, "<Desc>Decel rate 1~Ms per 1000 rpm</Desc>", "<Desc>decel rate 1~Ms per 1000 rpm.</Desc>");
    const std::string file = write("seeded.kpd", seeded);
    EXPECT_EQ(run({"check", file, "--json", "--kinds", "all"}), 1);
    for (const char* kind : {"empty", "unchanged", "overflow", "no-glyph", "trailing-space", "mode-mismatch",
                             "near-duplicate"})
        EXPECT_GT(count(kind), 0) << kind;
    EXPECT_NE(out_.str().find("{\"kind\": \"no-glyph\", \"menu\": \"m0\", \"parameter\": \"p1\", \"mode\": \"Open loop\", "
                              "\"field\": \"description\", \"message\": \"Byte 0x01 has no glyph at character 21\", "
                              "\"suggestion\": null, \"bytes\": 0}"),
              std::string::npos)
        << out_.str().substr(0, 2000);

    EXPECT_EQ(run({"check", file, "--kinds", "trailing-space,empty", "--fail-on", "overflow"}), 0);
    EXPECT_NE(out_.str().find("m0 p2 Open loop description: trailing-space: 2 trailing spaces at line ends "
                              "(suggested: \"Maximum speed~Min Hz\") (saves 2 bytes)"),
              std::string::npos)
        << out_.str();
    EXPECT_EQ(run({"check", file, "--kinds", "empty", "--fail-on", "empty"}), 1);
}

// The loader says once what it replaced; the check lists it until the text is edited.
TEST_F(CheckCommandTest, CharactersLostOnLoadingAreNoGlyphProblemsAndRefusedFilesBadInput)
{
    std::string lost = sample_;
    replaceFirst(lost, "<Desc>Parameter zero~Mselect option</Desc>", "<Desc>Parameter \u20AC~Mselect option</Desc>");
    const std::string file = write("lost.kpd", lost);
    EXPECT_EQ(run({"check", file, "--kinds", "no-glyph"}), 1);
    EXPECT_NE(out_.str().find("m0 p0 Open loop description: no-glyph: U+20AC euro sign has no keypad code: it became "
                              "\"?\" on loading, at character 11"),
              std::string::npos)
        << out_.str();
    EXPECT_NE(err_.str().find("WARNING: Loaded " + file + " with these remarks:\n1 character has no keypad code"),
              std::string::npos)
        << err_.str();

    replaceFirst(lost, "<App ", "<Data ");
    replaceFirst(lost, "</App>", "</Data>");
    EXPECT_EQ(run({"check", write("other.kpd", lost)}), 2);
    EXPECT_NE(err_.str().find("is not a keypad data file: root element Data. Nothing was loaded."), std::string::npos)
        << err_.str();
}

TEST_F(CheckCommandTest, SpellingUsesTheDriveFoldersLanguageUnlessOneIsGivenAndAMissingDictionaryIsSaidOnce)
{
    std::string seeded = sample_;
    replaceFirst(seeded, "<Desc>Minimum speed~Min Hz</Desc>", "<Desc>Minimum speeed~Min Hz</Desc>");
    const std::string file = write("typo.kpd", seeded);
    EXPECT_EQ(run({"check", file, "--json", "--kinds", "spelling", "--fail-on", "spelling"}), 1);
    EXPECT_NE(out_.str().find("\"message\": \"\\\"speeed\\\" is not in the en_US dictionary\", "
                              "\"suggestion\": \"Minimum "),
              std::string::npos)
        << out_.str().substr(0, 2000);

    EXPECT_EQ(run({"check", file, "--kinds", "spelling", "--language", "en_GB"}), 0);
    EXPECT_NE(out_.str().find("\"speeed\" is not in the en_GB dictionary"), std::string::npos);
    EXPECT_EQ(run({"check", file, "--kinds", "spelling", "--language", "xx_XX"}), 2);
    EXPECT_NE(err_.str().find("No spelling dictionary \"xx_XX\" is installed"), std::string::npos) << err_.str();
}

TEST_F(CheckCommandTest, UnknownKindsAreBadInput)
{
    EXPECT_EQ(run({"check", (dir_ / "sample.kpd").string(), "--kinds", "overflow,typo"}), 2);
    EXPECT_NE(err_.str().find("--kinds: unknown kind \"typo\""), std::string::npos);
    EXPECT_EQ(run({"check", (dir_ / "sample.kpd").string(), "--fail-on", ""}), 0);
    EXPECT_EQ(run({"check", (dir_ / "missing.kpd").string()}), 2);
}

} // namespace
} // namespace kpd
