#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <sys/types.h>
#include <tuple>
#include <vector>

namespace kpd::test {

// What a writer reported: whether it wrote the file, and otherwise the message it gave.
struct WriteOutcome {
    bool written = false;
    std::string message;
};

// Runs work, a write that throws on failure, and turns its exception into the message.
WriteOutcome outcomeOf(const std::function<void()>& work);

// One of the project's writers, asked to write its file at a path.
struct WriterUnderTest {
    std::string name;
    std::function<WriteOutcome(const std::string& path)> write;
    // The file name the writer insists on, where it has one (segment files are numbered).
    std::string fileName = "out";
    // A writer that creates a missing folder (the component registry) writes there.
    bool createsFolder = false;
    // The old file, which the writer may read before replacing it (the registry does).
    std::string oldContent = "the old file, which a failed write must keep byte for byte\n";
};

// Runs write in a child process that the system kills (SIGXFSZ) once it has written
// bytesAllowed bytes to any one file, as a writer killed mid-write; returns the dead
// child's process id, or 0 (with a test failure) when the child was not killed.
pid_t killedWhileWriting(const std::function<void()>& write, std::size_t bytesAllowed);

// Faults made for real on the file system, not simulated: a write must survive each.
enum class WriteFault { FullDisk, ReadOnlyFile, MissingFolder, SymbolicLink, PrivateFile };
const std::vector<WriteFault>& allWriteFaults();
std::string faultName(WriteFault fault);

// A failing case names its writer and fault, not their bytes.
inline void PrintTo(const WriterUnderTest& writer, std::ostream* out) { *out << writer.name; }
inline void PrintTo(WriteFault fault, std::ostream* out) { *out << faultName(fault); }

// Writes with writer into a scene set up for fault and checks every promise of a safe
// write: a failure names the user's file and leaves the old file byte-identical and no
// temporary file; a link stays a link and the file it names gets the content; a private
// file stays private. A full disk needs a small file system mounted, so root: otherwise
// the test is skipped with the reason printed.
void expectSafeWrite(const WriterUnderTest& writer, WriteFault fault);

// Every writer of a test program against every fault:
//   TEST_P(SafeWriteTest, KeepsItsPromises) { expectSafeWrite(writer(), fault()); }
//   INSTANTIATE_TEST_SUITE_P(Name, SafeWriteTest,
//       testing::Combine(testing::ValuesIn(writers), testing::ValuesIn(allWriteFaults())), safeWriteName);
class SafeWriteTest : public testing::TestWithParam<std::tuple<WriterUnderTest, WriteFault>> {
protected:
    const WriterUnderTest& writer() const { return std::get<0>(GetParam()); }
    WriteFault fault() const { return std::get<1>(GetParam()); }
};
std::string safeWriteName(const testing::TestParamInfo<SafeWriteTest::ParamType>& info);

} // namespace kpd::test
