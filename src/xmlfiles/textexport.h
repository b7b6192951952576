#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kpd {

class TheApp;

// The bits of the export option mask, as the export dialog sets them.
enum ExportOption : std::uint16_t {
    kExportComma = 1,
    kExportLinePerMode = 2,
    kExportParamName = 4,
    kExportMenuNumber = 8,
    kExportParamNumber = 16,
    kExportOpenLoop = 32,      // the mode of key mode2
    kExportClosedLoop = 64,    // mode3
    kExportServo = 128,        // mode4
    kExportRegen = 256,        // mode5
    kExportModeName = 512,
    kExportDescription = 1024,
    kExportHelp = 2048,
    kExportUnits = 4096,
    kExportQuotes = 8192,
};

// Writes the custom string set as a comma- or space-separated text table, one line per
// parameter or per parameter and mode.
class TextExport {
public:
    static constexpr const char* kBadFileNameMessage =
        "Sorry file name must: not be empty, less than 20 characters and use: 0 - 9, A - Z, a - z or space";
    static constexpr const char* kOverwriteQuestion = "File already exists do you want to overwrite?";
    static constexpr const char* kTitleLine = "Zarvik Veltrane VX Lumikey text export";

    // Letters, digits and spaces only: the rule for export file and folder names.
    static bool hasOnlyNameCharacters(const std::string& name);
    // The Save button's rule: the name with ".csv" (comma option) or ".txt" appended, or
    // nothing when the name is empty, 20 characters or longer, or holds other characters.
    static std::optional<std::string> exportFileName(const std::string& name, std::uint16_t options);

    // True when the options give data lines without a single field in them.
    static bool writesBlankLines(std::uint16_t options);

    static std::string unitText(std::int16_t unit);

    void setData(TheApp& anApp, std::int32_t base);

    // The table as the file holds it, in the model's 8-bit text.
    std::string exportContent(std::uint16_t options) const;

    // Asks before replacing an existing file, also one that another program creates while
    // the export is made; false when the user declines and nothing is written. A file that
    // cannot be written throws FileWriteError.
    bool exportText(const std::string& path, std::uint16_t options);

private:
    TheApp* app_ = nullptr;
    std::int32_t base_ = 0;
};

} // namespace kpd
