#include "platform/hugepageheap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string fileText(const char* path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

long residentKiB()
{
    std::istringstream status(fileText("/proc/self/status"));
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// The VmFlags of the mapping that holds `address`, from /proc/self/smaps.
std::string flagsOfMappingAt(const void* address)
{
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::istringstream smaps(fileText("/proc/self/smaps"));
    bool inside = false;
    for (std::string line; std::getline(smaps, line);) {
        std::uintmax_t from = 0;
        std::uintmax_t to = 0;
        char dash = 0;
        std::istringstream range(line);
        if (range >> std::hex >> from >> dash >> to && dash == '-') inside = from <= at && at < to;
        else if (inside && line.rfind("VmFlags:", 0) == 0) return line;
    }
    return {};
}

} // namespace

TEST(HugePageHeap, TheModelsRecordsLandInAdvisedMemoryThatIsOnlyCommittedWhenTouched)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer's allocator replaces the C library's heap that this prepares";
#endif
    const std::string setting = fileText("/sys/kernel/mm/transparent_hugepage/enabled");
    if (setting.empty() || setting.find("[never]") != std::string::npos)
        GTEST_SKIP() << "this system grants no huge pages";

    constexpr std::size_t kReserved = std::size_t(256) << 20;
    const long before = residentKiB();
    kpd::HugePageHeap::prepare(kReserved);
    EXPECT_LT(residentKiB() - before, 16 * 1024) << "the reserved block was committed";

    // Records of the size a model allocates, enough of them to pass the first 2 MiB.
    std::vector<std::unique_ptr<char[]>> records;
    for (int i = 0; i < 40000; ++i) records.push_back(std::make_unique<char[]>(128));
    const std::string flags = flagsOfMappingAt(records.back().get());
    EXPECT_NE(flags.find(" hg"), std::string::npos) << flags;
}
