#include "jsonstring.h"
#include "kpdtool.h"
#include "sampledrivefixture.h"
#include "reportcommand.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace kpd {
namespace {

class ReportTest : public SampleDriveFixture {
protected:
    ReportTest() : SampleDriveFixture("kpdreport-", "custom.kpd") {}
};

TEST_F(ReportTest, JsonParsesAndItsTotalIsWhatCheckSizeSays)
{
    ASSERT_EQ(run({"check-size", path("custom.kpd")}), 0);
    std::smatch m;
    const std::string checked = err_.str();
    ASSERT_TRUE(std::regex_search(checked, m, std::regex("takes up ([0-9]+) bytes")));
    const std::string total = m[1];

    ASSERT_EQ(run({"report", path("custom.kpd"), "--json"}), 0) << err_.str();
    std::ofstream(path("report.json")) << out_.str();
    // The parts must add up in what a script reads, not only in memory.
    const std::string script = "import json,sys; d=json.load(open(sys.argv[1])); "
                               "parts=d['table_bytes']+d['dictionary_bytes']+sum(p['bytes'] for p in d['parameters']); "
                               "sys.exit(0 if d['total_bytes']==" + total + "==parts and d['fits'] "
                               "and len(d['words'])==256 and d['strings'] else 1)";
    EXPECT_EQ(std::system(("python3 -c \"" + script + "\" '" + path("report.json") + "'").c_str()), 0) << out_.str();
}

TEST_F(ReportTest, ComparingWithAnEarlierFileShowsTheChangePerMenu)
{
    std::ifstream in(path("custom.kpd"), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The first help text grows by eleven characters wherever it stands. Every slot that
    // shared it still shares it, and words of one or two characters never reach the
    // dictionary, so its menu and the image grow by exactly eleven bytes.
    const std::size_t start = text.find("<Help>") + 6;
    const std::string help = text.substr(start, text.find("</Help>", start) - start);
    for (std::size_t at = 0; (at = text.find(">" + help + "<", at)) != std::string::npos; at += help.size())
        text.insert(at + 1 + help.size(), " 1 2 3 4 56");
    std::ofstream(path("longer.kpd"), std::ios::binary) << text;

    ASSERT_EQ(run({"report", path("longer.kpd"), "--compare", path("custom.kpd")}), 0) << err_.str();
    EXPECT_NE(out_.str().find("Compared with " + path("custom.kpd")), std::string::npos) << out_.str();
    EXPECT_NE(out_.str().find("(+11)"), std::string::npos) << out_.str();
    ASSERT_EQ(run({"report", path("longer.kpd"), "--compare", path("custom.kpd"), "--json"}), 0);
    EXPECT_NE(out_.str().find("\"change\": 11, \"menus\": [\n    {\"menu\": "), std::string::npos) << out_.str();
}

TEST_F(ReportTest, BadInputExitsWithTwo)
{
    EXPECT_EQ(run({"report", path("missing.kpd")}), 2);
    EXPECT_EQ(run({"report", path("custom.kpd"), "--compare", path("missing.kpd")}), 2);
    EXPECT_EQ(run({"report"}), 2);
}

TEST(ReportJson, KeypadBytesBecomeEscapedUtf8)
{
    EXPECT_EQ(jsonString(std::string("a\"b\\\x0D\xB0", 6)), "\"a\\\"b\\\\\\u000d\xC2\xB0\"");
}

} // namespace
} // namespace kpd
