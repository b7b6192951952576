#include "writefaults.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kpd::test {

namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// Someone else, for files that root writes on a user's behalf.
constexpr uid_t kOtherUser = 4321;

unsigned modeOf(const fs::path& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

// A fresh folder, removed with its content (and unmounted, when a file system was mounted
// on it) at the end of the test.
class Scene {
public:
    explicit Scene(const std::string& fileName)
    {
        std::string name = (fs::temp_directory_path() / "kpd-writefault-XXXXXX").string();
        if (!::mkdtemp(name.data())) throw std::runtime_error("cannot create a temporary folder");
        folder = name;
        target = folder / fileName;
    }
    ~Scene()
    {
        if (mounted) ::umount2(folder.c_str(), MNT_DETACH);
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // A 64 KiB file system on the folder, filled up after the old file went in.
    std::string fillDisk(const std::string& oldContent)
    {
        if (::geteuid() != 0) return "not running as root: cannot mount a small file system to fill";
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
            return std::string("cannot mount a small file system: ") + std::strerror(errno);
        mounted = true;
        writeBytes(target, oldContent);
        std::ofstream filler(folder / "filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush())
            continue;
        return {};
    }

    fs::path folder;
    fs::path target;
    bool mounted = false;
};

} // namespace

WriteOutcome outcomeOf(const std::function<void()>& work)
{
    try {
        work();
        return {true, {}};
    } catch (const std::exception& error) {
        return {false, error.what()};
    }
}

pid_t killedWhileWriting(const std::function<void()>& write, std::size_t bytesAllowed)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limit{bytesAllowed, bytesAllowed};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_DFL);
        try {
            write();
        } catch (...) {
        }
        ::_exit(0);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) {
        ADD_FAILURE() << "cannot run a writer in a child process";
        return 0;
    }
    if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGXFSZ) {
        ADD_FAILURE() << "the writer was not killed: it wrote no more than " << bytesAllowed << " bytes to a file";
        return 0;
    }
    return child;
}

const std::vector<WriteFault>& allWriteFaults()
{
    static const std::vector<WriteFault> faults = {WriteFault::FullDisk, WriteFault::ReadOnlyFile,
                                                   WriteFault::MissingFolder, WriteFault::SymbolicLink,
                                                   WriteFault::PrivateFile};
    return faults;
}

std::string faultName(WriteFault fault)
{
    static const char* const names[] = {"FullDisk", "ReadOnlyFile", "MissingFolder", "SymbolicLink", "PrivateFile"};
    return names[static_cast<int>(fault)];
}

std::string safeWriteName(const testing::TestParamInfo<SafeWriteTest::ParamType>& info)
{
    return std::get<0>(info.param).name + "_" + faultName(std::get<1>(info.param));
}

void expectSafeWrite(const WriterUnderTest& writer, WriteFault fault)
{
    // What the writer writes over the old file, and which names it creates, where nothing
    // is wrong.
    const std::string& old = writer.oldContent;
    const Scene reference(writer.fileName);
    writeBytes(reference.target, old);
    const WriteOutcome plain = writer.write(reference.target.string());
    ASSERT_TRUE(plain.written) << plain.message;
    const std::string expected = readBytes(reference.target);
    const std::set<std::string> produced = namesIn(reference.folder);

    Scene scene(writer.fileName);
    fs::path path = scene.target;
    fs::path written = scene.target;
    switch (fault) {
    case WriteFault::FullDisk:
        if (const std::string reason = scene.fillDisk(old); !reason.empty()) GTEST_SKIP() << reason;
        break;
    case WriteFault::ReadOnlyFile:
        writeBytes(path, old);
        fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        break;
    case WriteFault::MissingFolder:
        path = written = scene.folder / "absent" / writer.fileName;
        break;
    case WriteFault::SymbolicLink:
        fs::create_directory(scene.folder / "real");
        written = scene.folder / "real" / writer.fileName;
        writeBytes(written, old);
        fs::create_symlink(fs::path("real") / writer.fileName, path);
        break;
    case WriteFault::PrivateFile:
        writeBytes(path, old);
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
        // Root, saving a user's file, must leave it that user's.
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(path.c_str(), kOtherUser, kOtherUser), 0);
        }
        break;
    }
    const std::set<std::string> before = namesIn(scene.folder);
    const unsigned modeBefore = modeOf(written);

    const WriteOutcome outcome = writer.write(path.string());

    const bool mustFail = fault == WriteFault::FullDisk || fault == WriteFault::ReadOnlyFile ||
                          (fault == WriteFault::MissingFolder && !writer.createsFolder);
    if (mustFail) {
        EXPECT_FALSE(outcome.written) << "the write claimed success";
        const std::string named = "Cannot write the file " + path.string() + " : ";
        const std::size_t at = outcome.message.find(named);
        EXPECT_NE(at, std::string::npos) << "the message does not name the user's file: " << outcome.message;
        const std::string reason = at == std::string::npos ? std::string() : outcome.message.substr(at + named.size());
        EXPECT_FALSE(reason.empty()) << "no reason given";
        if (fault == WriteFault::ReadOnlyFile) {
            EXPECT_EQ(reason.rfind("Permission denied", 0), 0u) << reason;
        }
        if (fault == WriteFault::MissingFolder) {
            EXPECT_FALSE(fs::exists(path.parent_path()));
        } else {
            EXPECT_EQ(readBytes(path), old) << "the old file was changed";
            EXPECT_EQ(modeOf(path), modeBefore);
        }
        EXPECT_EQ(namesIn(scene.folder), before) << "a temporary file was left behind";
        return;
    }

    EXPECT_TRUE(outcome.written) << outcome.message;
    if (fault == WriteFault::MissingFolder) {
        EXPECT_EQ(namesIn(path.parent_path()), std::set<std::string>{writer.fileName});
        return;
    }
    EXPECT_EQ(readBytes(written), expected);
    for (const std::string& name : namesIn(scene.folder))
        EXPECT_TRUE(before.count(name) || produced.count(name)) << name << " was left behind";
    if (fault == WriteFault::SymbolicLink) {
        EXPECT_TRUE(fs::is_symlink(path)) << "the link was replaced by a plain file";
        EXPECT_EQ(namesIn(scene.folder / "real"), std::set<std::string>{writer.fileName});
    }
    if (fault == WriteFault::PrivateFile) {
        EXPECT_EQ(modeOf(path), 0600u) << "a private file was opened to others";
        struct stat st {};
        ::stat(path.c_str(), &st);
        if (::geteuid() == 0) {
            EXPECT_EQ(st.st_uid, kOtherUser) << "the file changed hands";
        }
    }
}

} // namespace kpd::test
