#include "fileio/filewriteerror.h"
#include "fileio/safefolder.h"
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

// A set of numbered files, each of size bytes of one letter.
SafeFolder::Files setOf(char letter, std::size_t size)
{
    SafeFolder::Files files;
    for (const char* name : {"000", "001", "002", "003"}) files.emplace_back(name, std::string(size, letter));
    return files;
}

class SafeFolderTest : public ::testing::Test {
protected:
    SafeFolderTest()
    {
        std::string name = (fs::temp_directory_path() / "kpd-safefolder-XXXXXX").string();
        if (::mkdtemp(name.data())) root_ = name;
        fs::create_directory(folder());
    }
    ~SafeFolderTest() override { fs::remove_all(root_); }

    fs::path folder() const { return root_ / "dlSegs"; }
    std::string prefix() const { return folder().string() + "/"; }
    static std::string slurp(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    static std::set<std::string> names(const fs::path& folder)
    {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder)) found.insert(entry.path().filename().string());
        return found;
    }
    void expectSet(char letter, std::size_t size) const
    {
        for (const auto& [name, bytes] : setOf(letter, size)) EXPECT_EQ(slurp(folder() / name), bytes) << name;
    }

    fs::path root_;
};

TEST_F(SafeFolderTest, AKilledWriterLeavesTheOldSetWholeAndTheNextWriteClearsUp)
{
    SafeFolder::write(prefix(), setOf('a', 100), {});
    std::ofstream(folder() / "notes.txt") << "the user's own";
    // The third file of the new set is where the writer dies.
    SafeFolder::Files next = setOf('b', 100);
    next[2].second.assign(5000, 'b');
    ASSERT_NE(test::killedWhileWriting([&] { SafeFolder::write(prefix(), next, {}); }, 4096), 0);
    expectSet('a', 100);

    SafeFolder::write(prefix(), setOf('c', 10), {});
    expectSet('c', 10);
    EXPECT_EQ(names(root_), std::set<std::string>{"dlSegs"}) << "a writer's folder was left behind";
    EXPECT_EQ(names(folder()), (std::set<std::string>{"000", "001", "002", "003", "notes.txt"}));
    EXPECT_EQ(slurp(folder() / "notes.txt"), "the user's own");
}

TEST_F(SafeFolderTest, AWriteProtectedMemberKeepsTheWholeSet)
{
    SafeFolder::write(prefix(), setOf('a', 100), {});
    fs::permissions(folder() / "002", fs::perms::owner_read);
    try {
        SafeFolder::write(prefix(), setOf('b', 100), {});
        ADD_FAILURE() << "a write-protected file was replaced";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot write the file " + prefix() + "002 : Permission denied");
    }
    expectSet('a', 100);
    EXPECT_EQ(names(root_), std::set<std::string>{"dlSegs"});
}

TEST_F(SafeFolderTest, AConfinedFolderRefusesALinkOutOfTheDriveFolder)
{
    const fs::path drive = root_ / "drive";
    fs::create_directory(drive);
    fs::create_directory_symlink(folder(), drive / "dlSegs");
    const std::string linked = (drive / "dlSegs").string() + "/";
    try {
        SafeFolder::write(linked, setOf('a', 10), drive.string());
        ADD_FAILURE() << "the set went out of the drive folder";
    } catch (const FileWriteError& error) {
        EXPECT_NE(std::string(error.what()).find("a symbolic link leads it out of the folder " + drive.string()),
                  std::string::npos)
            << error.what();
    }
    EXPECT_TRUE(names(folder()).empty());
    SafeFolder::write(linked, setOf('a', 10), {});
    expectSet('a', 10);
}

} // namespace
} // namespace kpd
