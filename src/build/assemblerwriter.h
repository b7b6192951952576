#pragma once

#include "databaseimage.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kpd {

// Renders the image as an assembler module for the keypad firmware: one byte section
// of class HDAT holding the image as lines of 30 decimal values.
class AssemblerWriter {
public:
    static constexpr std::size_t kBytesPerLine = 30;

    using StopCheck = std::function<bool(std::int32_t)>;

    // The language names the module, the section and the file; the bytes never depend on it.
    static std::string moduleName(const std::string& language) { return language + "_stringdb"; }

    // The complete module in lines; false when stopped (lines then hold a part of it).
    static bool createLines(const DatabaseImage& image, const std::string& language, std::vector<std::string>& lines,
                            const StopCheck& stopAt);
    static std::string dataLine(const DatabaseImage& image, std::size_t pos);
    static std::string fileText(const std::vector<std::string>& lines, std::size_t count);
};

} // namespace kpd
