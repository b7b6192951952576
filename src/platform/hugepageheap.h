#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace kpd {

// A drive's model is built in one go from its files: hundreds of thousands of small
// records and texts on fresh memory. With ordinary 4 KiB pages the largest drives take
// tens of thousands of page faults, and the processor's address cache covers only a
// sliver of the model, so every lookup into it misses; on a virtual machine each fault
// costs several microseconds. Backing the heap the model grows into with 2 MiB pages
// turns those faults into a few dozen and roughly halves such a load.
//
// Linux with the GNU C library only. Elsewhere, or where the system grants huge pages
// to no process (transparent huge pages set to "never"), nothing changes; memory the
// model does not touch is never committed either way.
class HugePageHeap {
public:
    // Prepares the heap for `bytes` of new allocations.
    static void prepare(std::size_t bytes);

    // Prepares the heap for the model of the drive in `folder`: its configuration,
    // constants and language files, plus `extraBytes` for a file loaded besides them.
    static void prepareForDrive(const std::filesystem::path& folder, std::uintmax_t extraBytes = 0);
};

} // namespace kpd
