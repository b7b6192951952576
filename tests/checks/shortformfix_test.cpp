#include "checks/glossary.h"
#include "checks/problemfixer.h"
#include "checks/shortformfix.h"
#include "checks/textchecker.h"

#include "build/sizeanalysis.h"
#include "recordinguserinterface.h"
#include "xmlfiles/driveloader.h"

#include <gtest/gtest.h>

#include <memory>

namespace kpd {
namespace {

const std::string kDataFolder = std::string(KPD_SOURCE_DIR) + "/data";

// The sample drive as start-up loads it, the custom set from its own file: the byte
// budget of a real image, with the dictionary and the shared strings that come with it.
struct SampleDrive : ::testing::Test {
    test::RecordingUserInterface ui;
    TheApp app{ui, kDataFolder};

    SampleDrive()
    {
        DriveLoader loader(app);
        loader.readConfiguration();
        loader.loadConstants();
        loader.loadLanguages();
        loader.loadFile(kDataFolder + "/Custom.kpl");
        app.setRefKey(app.getLangDBKey(0));
    }

    static void add(Glossary& glossary, const std::string& full, std::vector<std::string> shortForms)
    {
        GlossaryForms& forms = glossary.terms().emplace_back().formsFor("en");
        forms.full = full;
        forms.shortForms = std::move(shortForms);
    }
};

TEST_F(SampleDrive, ATextThreeCellsTooLongFitsWithTheLongestSavingFirstAndSavesWhatTheByteMeterShows)
{
    ModeData& record = app.getCustMenus().Item("m0").Parameters().Item("p1").modes().Item("Open loop");
    record.setDesc("Minimum speed~Mhysteresis settings");
    auto glossary = std::make_shared<Glossary>();
    add(*glossary, "Minimum", {"Min"});
    add(*glossary, "settings", {"settngs"});
    EXPECT_FALSE(ShortFormFix::shorten(record.getDesc(), TextField::Description, 80, *glossary, "en"))
        << "\"hysteresis settngs\" is still two cells too long";
    add(*glossary, "hysteresis", {"hyster", "hyst"});

    TextChecker::Options options;
    options.kinds = {ProblemKind::Overflow};
    const std::vector<Problem> found = TextChecker::check(CheckInput::fromApp(app, glossary, "en"), options);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(ProblemFixer::canFix(found[0]));
    EXPECT_EQ(found[0].suggestion, "Min speed~Mhyster settings")
        << "the preferred form, and of equal savings the first";

    glossary->terms()[2].languages["en"].shortForms = {"hyst"};
    const auto proposal = ShortFormFix::propose(app, found[0], *glossary, "en");
    ASSERT_TRUE(proposal);
    EXPECT_EQ(proposal->text, "Minimum speed~Mhyst settings") << "\"Minimum\" saves less and is not needed";
    ASSERT_EQ(proposal->replacements.size(), 1u);
    const std::uint32_t before = SizeAnalysis::analyse(app).totalBytes;
    ASSERT_TRUE(ProblemFixer(app.getCustMenus()).replace(found[0], proposal->text));
    const std::uint32_t after = SizeAnalysis::analyse(app).totalBytes;
    EXPECT_NE(proposal->bytesSaved, 0);
    EXPECT_EQ(proposal->bytesSaved, static_cast<std::int64_t>(before) - after);
    EXPECT_TRUE(TextChecker::check(CheckInput::fromApp(app, glossary, "en"), options).empty());
}

} // namespace
} // namespace kpd
