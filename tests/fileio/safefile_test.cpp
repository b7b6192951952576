#include "fileio/filewriteerror.h"
#include "fileio/safefile.h"
#include "writefaults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <unistd.h>

namespace kpd {
namespace {

namespace fs = std::filesystem;

class SafeFileTest : public ::testing::Test {
protected:
    SafeFileTest()
    {
        std::string name = (fs::temp_directory_path() / "kpd-safefile-XXXXXX").string();
        if (::mkdtemp(name.data())) root_ = name;
    }
    ~SafeFileTest() override { fs::remove_all(root_); }

    static std::string slurp(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    static void put(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
    std::set<std::string> names() const
    {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(root_)) found.insert(entry.path().filename().string());
        return found;
    }

    fs::path root_;
};

TEST_F(SafeFileTest, TemporariesOfKilledWritersGoOnTheNextWriteAndThoseOfRunningOnesStay)
{
    const fs::path target = root_ / "data.kpd";
    const pid_t killed = test::killedWhileWriting([&] { SafeFile::write(target.string(), std::string(8192, 'x')); }, 4096);
    ASSERT_NE(killed, 0);
    ASSERT_EQ(names().size(), 1u);
    ASSERT_EQ(names().begin()->rfind("data.kpd." + std::to_string(killed) + "-", 0), 0u) << *names().begin();
    const std::set<std::string> others = {"data.kpd." + std::to_string(::getpid()) + "-9999.part", "data.kpd.x-1.part",
                                          "other.kpd." + std::to_string(killed) + "-1.part"};
    for (const std::string& name : others) put(root_ / name, "not ours to remove");

    SafeFile::write(target.string(), "whole");
    std::set<std::string> expected = others;
    expected.insert("data.kpd");
    EXPECT_EQ(names(), expected);
}

TEST_F(SafeFileTest, AConfinedWriteRefusesALinkOutOfItsFolderAndFollowsOneInside)
{
    const fs::path drive = root_ / "drive";
    const std::string autoSave = (drive / "autoSave.kpd").string();
    fs::create_directories(drive / "sub");
    put(root_ / "victim", "outside the drive");
    fs::create_symlink("../victim", autoSave);
    try {
        SafeFile::write(autoSave, "saved", {.confinedTo = drive.string()});
        ADD_FAILURE() << "the write followed the link out of the folder";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot write the file " + autoSave +
                                                      " : a symbolic link leads it out of the folder " + drive.string(),
                                                  0),
                  0u)
            << error.what();
    }
    EXPECT_EQ(slurp(root_ / "victim"), "outside the drive");

    fs::create_symlink("sub/kept.kpd", drive / "autoBackup.kpd");
    SafeFile::write((drive / "autoBackup.kpd").string(), "backup", {.confinedTo = drive.string()});
    EXPECT_EQ(slurp(drive / "sub" / "kept.kpd"), "backup");
    // A file the user named keeps following its link.
    SafeFile::write(autoSave, "chosen");
    EXPECT_EQ(slurp(root_ / "victim"), "chosen");
}

} // namespace
} // namespace kpd
