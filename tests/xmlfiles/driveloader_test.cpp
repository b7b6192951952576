#include "support/drivefixture.h"

#include "xmlfiles/driveloader.h"

#include <gtest/gtest.h>

namespace kpd::test {
namespace {

std::string setDocument(const std::string& dbid, const std::string& attributes, const std::string& desc)
{
    return "<App AppID=\"KeypadApp\" version=\"10500\"><StringDB DBID=\"" + dbid +
           "\"><Menu MenuID=\"m1\"><Para ParaID=\"p1\"><Mode ModeID=\"Open loop\" " + attributes + "><Desc>" + desc +
           "</Desc></Mode></Para></Menu></StringDB></App>";
}

// A drive folder with its configuration and nothing else yet, and a data root over it.
struct FreshDrive {
    RecordingUserInterface ui;
    TempFolder folder;
    TheApp app{ui, folder.path()};
    DriveLoader loader{app};

    FreshDrive() { folder.write("kpdconf.kpx", smallConfiguration()); }
    ModeData& mode(const std::string& set) const
    {
        return app.stringDatas().Item(set).DrvMenus().Item("m1").Parameters().Item("p1").modes().Item("Open loop");
    }
};

TEST(DriveLoader, TheConstantsReachEveryLanguageBeforeItsOwnFileLoads)
{
    FreshDrive drive;
    drive.folder.write("modeConstants.kpc", setDocument("Constants", "uLim=\"5000\" dVal=\"150\"", ""));
    drive.folder.write("French.kpl", setDocument("French", "", "Vitesse"));
    ASSERT_EQ(drive.loader.readConfiguration(), DriveLoader::Configuration::Read);
    drive.loader.loadConstants();
    drive.loader.loadLanguages();
    for (const char* set : {"English", "French"}) EXPECT_EQ(drive.mode(set).uLim(), "5000") << set;
    EXPECT_EQ(drive.mode("French").getDesc(), "Vitesse");
    EXPECT_EQ(drive.ui.texts(), (std::vector<std::string>{
                                    "Could not find English reference file, this language selection will be empty",
                                    "Could not find Custom reference file, this language selection will be empty"}));
}

TEST(DriveLoader, MissingConstantsAreReportedOnlyByTheStartUpStep)
{
    FreshDrive drive;
    drive.loader.readConfiguration();
    EXPECT_FALSE(drive.loader.readConstants());
    EXPECT_TRUE(drive.ui.messages.empty());
    drive.loader.loadConstants();
    EXPECT_EQ(drive.ui.texts(),
              std::vector<std::string>{"Could not find constants file, limits and defaults etc will not be available"});
}

TEST(DriveLoader, AMissingConfigurationIsToldFromABrokenOneAndNeitherCanRun)
{
    FreshDrive broken;
    broken.folder.write("kpdconf.kpx", "<keypadToolData version=\"3\"><dbNames");
    EXPECT_EQ(broken.loader.readConfiguration(), DriveLoader::Configuration::Faulty);
    EXPECT_TRUE(broken.app.cannotRun());

    RecordingUserInterface ui;
    TempFolder empty;
    TheApp app(ui, empty.path());
    EXPECT_EQ(DriveLoader(app).readConfiguration(), DriveLoader::Configuration::Missing);
    EXPECT_TRUE(app.cannotRun());
}

TEST(DriveLoader, AFileReplacesTheCustomSetAndAMissingOneIsAnError)
{
    FreshDrive drive;
    drive.loader.readConfiguration();
    drive.mode("Custom").setDesc("unsaved");
    drive.folder.write("work.kpd", setDocument("Custom", "", "Speed"));
    EXPECT_TRUE(drive.loader.loadFile(drive.folder.file("work.kpd")));
    EXPECT_EQ(drive.mode("Custom").getDesc(), "Speed");

    EXPECT_FALSE(drive.loader.loadFile(drive.folder.file("gone.kpd")));
    ASSERT_EQ(drive.ui.messages.size(), 1u);
    EXPECT_EQ(drive.ui.messages[0].text, "Could not find the file " + drive.folder.file("gone.kpd"));
    EXPECT_EQ(drive.ui.messages[0].title, "ERROR");
}

} // namespace
} // namespace kpd::test
