#include "hugepageheap.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <system_error>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#define KPD_HUGE_PAGE_HEAP 1
#endif

namespace kpd {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

// The model takes about this many bytes for each byte of the files it comes from.
constexpr std::size_t kModelBytesPerInputByte = 3;

// Below this no whole huge page need lie inside the block. Above it even the sample drive
// gains: a huge page costs about as much to fill as a few dozen small-page faults.
constexpr std::size_t kSmallestWorthIt = 2 * kHugePage;

bool isDriveFile(const std::filesystem::path& file)
{
    const std::filesystem::path extension = file.extension();
    return extension == ".kpl" || extension == ".kpx" || extension == ".kpc";
}

} // namespace

void HugePageHeap::prepare(std::size_t bytes)
{
#ifdef KPD_HUGE_PAGE_HEAP
    if (bytes < kSmallestWorthIt) return;
    // One block of the whole size, taken from the main heap rather than mapped apart
    // (mapped blocks go back to the system when freed), is advised for huge pages and
    // handed back. The heap keeps it as free space, because the trim threshold is above
    // its size, and the model's records are then carved from it.
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(std::min<std::size_t>(2 * bytes, INT32_MAX)));
    mallopt(M_MMAP_MAX, 0);
    void* block = std::malloc(bytes);
    mallopt(M_MMAP_MAX, 65536);
    if (!block) return;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t begin = (start + kHugePage - 1) / kHugePage * kHugePage;
    const std::uintptr_t end = (start + bytes) / kHugePage * kHugePage;
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    std::free(block);
#else
    (void)bytes;
#endif
}

void HugePageHeap::prepareForDrive(const std::filesystem::path& folder, std::uintmax_t extraBytes)
{
    std::uintmax_t input = extraBytes;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code sizeError;
        if (!isDriveFile(it->path()) || !it->is_regular_file(sizeError)) continue;
        const std::uintmax_t size = it->file_size(sizeError);
        if (!sizeError) input += size;
    }
    prepare(static_cast<std::size_t>(std::min<std::uintmax_t>(input, SIZE_MAX / kModelBytesPerInputByte))
            * kModelBytesPerInputByte);
}

} // namespace kpd
