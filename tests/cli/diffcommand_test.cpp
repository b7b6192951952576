#include "kpdtool.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kpd {
namespace {

namespace fs = std::filesystem;

const std::string kData = std::string(KPD_SOURCE_DIR) + "/data";
const std::string kFirstDesc = "Parameter zero~Mselect option";

class DiffCommandTest : public testing::Test {
protected:
    DiffCommandTest() : dir_(fs::temp_directory_path() / ("kpdtool-diff-" + std::to_string(::getpid())))
    {
        fs::create_directories(dir_);
        std::ifstream in(kData + "/Custom.kpl", std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        sample_ = s.str();
    }
    ~DiffCommandTest() override { fs::remove_all(dir_); }

    // The sample custom set with the description of parameter 0 of menu 0 replaced in the
    // given modes (0 Open loop, 1 Closed loop), written beside the test.
    std::string variant(const std::string& name, std::vector<std::pair<int, std::string>> replacements)
    {
        // From the last mode back, so that each replacement finds the original texts before it.
        std::sort(replacements.rbegin(), replacements.rend());
        std::string text = sample_;
        for (const auto& [mode, replacement] : replacements) {
            std::size_t at = text.find(kFirstDesc);
            for (int i = 0; i < mode; ++i) at = text.find(kFirstDesc, at + 1);
            text.replace(at, kFirstDesc.size(), replacement);
        }
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    int run(std::vector<std::string> args)
    {
        out_.str({});
        err_.str({});
        KpdTool tool(out_, err_, kData);
        return tool.run(args);
    }

    fs::path dir_;
    std::string sample_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(DiffCommandTest, ExitsZeroForEqualSetsOneForDifferentAndTwoForBadInput)
{
    EXPECT_EQ(run({"diff", kData + "/Custom.kpl", variant("same.kpd", {})}), 0);
    EXPECT_EQ(out_.str(), "0 differences, 0 conflicts\n");
    EXPECT_EQ(run({"diff", kData + "/English.kpl", kData + "/French.kpl"}), 1);
    EXPECT_EQ(run({"diff", kData + "/Custom.kpl", variant("changed.kpd", {{0, "Changed"}})}), 1);
    EXPECT_EQ(out_.str(), "m0.p0 [Open loop] Description: conflict\n"
                          "  ours:   " + kFirstDesc + "\n"
                          "  theirs: Changed\n"
                          "1 difference, 1 conflict\n");

    EXPECT_EQ(run({"diff", kData + "/Custom.kpl"}), 2);
    EXPECT_EQ(run({"diff", kData + "/Custom.kpl", (dir_ / "missing.kpd").string()}), 2);
    EXPECT_NE(err_.str().find("Could not find the file"), std::string::npos);
    EXPECT_EQ(run({"diff", kData + "/Custom.kpl", kData + "/Custom.kpl", "--base", (dir_ / "none.kpd").string()}), 2);
    const std::string cut = (dir_ / "cut.kpd").string();
    std::ofstream(cut) << sample_.substr(0, sample_.size() / 2);
    EXPECT_EQ(run({"diff", kData + "/Custom.kpl", cut}), 2);
}

TEST_F(DiffCommandTest, WithABaseConflictsComeFirstAndJsonCarriesEveryDifference)
{
    const std::string ours = variant("ours.kpd", {{1, "Ours"}});
    const std::string theirs = variant("theirs.kpd", {{0, "Theirs first"}, {1, "Theirs second"}});
    ASSERT_EQ(run({"diff", ours, theirs, "--base", kData + "/Custom.kpl"}), 1);
    EXPECT_EQ(out_.str().substr(0, out_.str().find('\n')), "m0.p0 [Closed loop] Description: conflict");
    EXPECT_NE(out_.str().find("m0.p0 [Open loop] Description: changed by them\n  base:   " + kFirstDesc +
                              "\n  ours:   " + kFirstDesc + "\n  theirs: Theirs first\n"),
              std::string::npos);

    ASSERT_EQ(run({"diff", ours, theirs, "--base", kData + "/Custom.kpl", "--json"}), 1);
    EXPECT_EQ(out_.str().rfind("{\"equal\": false, \"base\": true, \"differences\": [\n  {\"menu\": \"m0\", "
                               "\"parameter\": \"p0\", \"mode\": \"Closed loop\", \"field\": \"Description\", "
                               "\"change\": \"conflict\", \"base\": \"" + kFirstDesc + "\", \"ours\": \"Ours\", "
                               "\"theirs\": \"Theirs second\"},\n",
                               0),
              0u);
    EXPECT_EQ(run({"diff", ours, ours, "--json"}), 0);
    EXPECT_EQ(out_.str(), "{\"equal\": true, \"base\": false, \"differences\": []}\n");
}

} // namespace
} // namespace kpd
