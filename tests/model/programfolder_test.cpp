#include "model/programfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using kpd::ProgramFolder;
namespace fs = std::filesystem;

class ProgramFolderFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("kpd-folder-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        std::ofstream(dir / "KpdConf.KPX") << "x";
        std::ofstream(dir / "English.kpl") << "x";
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
};

TEST_F(ProgramFolderFiles, FindsFixedFilesWhateverTheirCase)
{
    const ProgramFolder folder(dir.string());
    EXPECT_EQ(folder.file("kpdconf.kpx"), (dir / "KpdConf.KPX").string());
    EXPECT_EQ(folder.file("English.kpl"), (dir / "English.kpl").string());
    EXPECT_EQ(folder.file("ENGLISH.KPL"), (dir / "English.kpl").string());
}

TEST_F(ProgramFolderFiles, AMissingFileKeepsTheNameAsAsked)
{
    const ProgramFolder folder(dir.string());
    EXPECT_EQ(folder.file("custom.kpl"), (dir / "custom.kpl").string());
    EXPECT_EQ(ProgramFolder((dir / "absent").string()).file("a.kpd"), (dir / "absent" / "a.kpd").string());
}
