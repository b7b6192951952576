#include "model/datafiles.h"
#include "model/modelerror.h"
#include "model/theapp.h"

#include "recordinguserinterface.h"
#include "smalldrive.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kpd;

namespace {

// Answers with scripted results and records what the model asked of the file layer.
struct RecordingDataFiles : DataFiles {
    bool readConfiguration(TheApp& app) override
    {
        calls.push_back("configuration");
        apps.push_back(&app);
        return configurationRead;
    }
    LoadResult loadUserDocument(TheApp& app, const std::string& path, std::int16_t mNum, LoadMode mode) override
    {
        calls.push_back("load " + path + " " + std::to_string(mNum) + (mode == LoadMode::ReplaceCustom ? " replacing" : ""));
        apps.push_back(&app);
        return loadResult;
    }
    bool saveApp(TheApp& app, const std::string& fname, bool constMode, const std::string&) override
    {
        calls.push_back("save " + fname + (constMode ? " constants" : " texts"));
        apps.push_back(&app);
        return saved;
    }
    bool saveMenu(const DrvMenu& menu, const std::string& fname, const std::string&) override
    {
        calls.push_back("save menu " + menu.menuKey() + " " + fname);
        return saved;
    }

    bool configurationRead = true;
    LoadResult loadResult = LoadResult::Whole;
    bool saved = true;
    std::vector<std::string> calls;
    std::vector<const TheApp*> apps;
};

class ModelFileOperations : public ::testing::Test {
protected:
    ModelFileOperations() { test::buildSmallDrive(app); }

    test::RecordingUserInterface ui;
    RecordingDataFiles files;
    TheApp app{ui, "/nowhere", files};
};

} // namespace

TEST_F(ModelFileOperations, ReachTheDataFilesOfTheirOwnAppWithTheirArguments)
{
    EXPECT_TRUE(app.readConfiguration());
    EXPECT_EQ(app.loadUserDocument("a.kpd", 3), LoadResult::Whole);
    EXPECT_EQ(app.loadUserDocument("n.kpd", -1, LoadMode::ReplaceCustom), LoadResult::Whole);
    EXPECT_TRUE(app.xmlSave("b.kpd"));
    EXPECT_TRUE(app.xmlSave("c.kpc", true));
    EXPECT_TRUE(app.getCustMenus().Item("trips").xmlSaveM("d.bak"));

    files.configurationRead = false;
    files.saved = false;
    EXPECT_FALSE(app.readConfiguration());
    EXPECT_FALSE(app.xmlSave("e.kpd"));
    EXPECT_FALSE(app.getCustMenus().Item("m1").xmlSaveM("f.bak"));

    EXPECT_EQ(files.calls, (std::vector<std::string>{"configuration", "load a.kpd 3", "load n.kpd -1 replacing", "save b.kpd texts",
                                                     "save c.kpc constants", "save menu trips d.bak", "configuration",
                                                     "save e.kpd texts", "save menu m1 f.bak"}));
    for (const TheApp* asked : files.apps) EXPECT_EQ(asked, &app);
    EXPECT_TRUE(ui.messages.empty()) << "the file layer reports its own failures";
}

TEST_F(ModelFileOperations, LoadUserFileIsTrueWheneverAFileWasThereEvenCutShort)
{
    files.loadResult = LoadResult::Missing;
    EXPECT_FALSE(app.loadUserFile("gone.kpd"));
    files.loadResult = LoadResult::Partial;
    EXPECT_TRUE(app.loadUserFile("cut.kpd", 2));
    files.loadResult = LoadResult::Whole;
    EXPECT_TRUE(app.loadUserFile("whole.kpd"));
    files.loadResult = LoadResult::Refused;
    EXPECT_TRUE(app.loadUserFile("other.kpl"));
    EXPECT_EQ(files.calls, (std::vector<std::string>{"load gone.kpd -1", "load cut.kpd 2", "load whole.kpd -1",
                                                     "load other.kpl -1"}));
}

TEST_F(ModelFileOperations, AMenuOfNoApplicationCannotBeSaved)
{
    DrvMenus loose;
    EXPECT_THROW(loose.Add("m1").xmlSaveM("m1.bak"), ModelError);
    DrvMenu alone;
    EXPECT_THROW(alone.xmlSaveM("m1.bak"), ModelError);
    EXPECT_TRUE(files.calls.empty());
}
