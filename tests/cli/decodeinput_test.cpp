#include "sampledrivefixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace kpd {
namespace {

namespace fs = std::filesystem;

class DecodeInputTest : public SampleDriveFixture {
protected:
    DecodeInputTest() : SampleDriveFixture("decodeinput-", "sample.kpd") {}

    // decode's exit status and message for file.
    std::pair<int, std::string> decode(const std::string& file)
    {
        const int status = run({"decode", file});
        return {status, err_.str()};
    }
};

TEST_F(DecodeInputTest, ADamagedHexFileNamesItsFirstBadLine)
{
    ASSERT_EQ(run({"build", path("sample.kpd"), "--hex", path("db.hex")}), 0) << err_.str();
    std::ifstream in(path("db.hex"), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string hex = text.str();
    std::size_t line7 = 0;
    for (int line = 1; line < 7; ++line) line7 = hex.find('\n', line7) + 1;
    const std::size_t end7 = hex.find('\r', line7);
    struct Row {
        const char* fault;
        std::string hex;
        const char* message;
    };
    std::string checksum = hex;
    checksum[end7 - 1] = checksum[end7 - 1] == '0' ? '1' : '0';
    std::string odd = hex;
    odd.erase(end7 - 1, 1);
    std::string letter = hex;
    letter[line7 + 12] = 'x';
    const Row rows[] = {{"checksum", checksum, ": line 7: wrong checksum"},
                        {"odd", odd, ": line 7: odd number of hexadecimal digits"},
                        {"letter", letter, ": line 7: 'x' in column 13 is not a hexadecimal digit"}};
    for (const Row& row : rows) {
        std::ofstream(path("bad.hex"), std::ios::binary | std::ios::trunc) << row.hex;
        const auto [status, message] = decode(path("bad.hex"));
        EXPECT_EQ(status, 2) << row.fault;
        EXPECT_NE(message.find(path("bad.hex") + row.message), std::string::npos) << message;
    }
}

TEST_F(DecodeInputTest, OnlyRegularFilesOfAnImagesSizeAreRead)
{
    const auto expectRefused = [&](const std::string& file, const std::string& reason) {
        const auto [status, message] = decode(file);
        EXPECT_EQ(status, 2) << file;
        EXPECT_NE(message.find(file + ": " + reason), std::string::npos) << message;
    };
    expectRefused(dir_.string(), "is a folder, not a file");
    expectRefused("/dev/null", "is a device, not a regular file");
    std::ofstream(path("huge.img"), std::ios::binary) << "";
    fs::resize_file(path("huge.img"), 2'000'000);
    expectRefused(path("huge.img"), "holds 2,000,000 bytes, more than the largest image (524,289 bytes");
    fs::resize_file(path("huge.img"), 600'000);
    expectRefused(path("huge.img"), "holds 600,000 bytes, more than the largest image");

    // A pipe would wait for a writer: one is at hand until decode has answered, so that a
    // decode which opens the pipe reads it empty instead of waiting for ever.
    const std::string fifo = path("pipe.img");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::atomic<bool> answered{false};
    std::thread writer([&] {
        while (!answered) {
            const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    expectRefused(fifo, "is a named pipe, not a regular file");
    answered = true;
    writer.join();
}

} // namespace
} // namespace kpd
