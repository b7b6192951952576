#include "assemblerwriter.h"

namespace kpd {

std::string AssemblerWriter::dataLine(const DatabaseImage& image, std::size_t pos)
{
    std::string line = "    DB    ";
    for (std::size_t i = 0; i < kBytesPerLine; ++i) {
        if (i > 0) line += ',';
        line += std::to_string(image.at(pos + i));
    }
    return line;
}

bool AssemblerWriter::createLines(const DatabaseImage& image, const std::string& language,
                                  std::vector<std::string>& lines, const StopCheck& stopAt)
{
    lines.clear();
    lines.push_back("; compressed string database (" + language + ")");
    lines.push_back("$CASE");
    lines.push_back("$SEGMENTED");
    lines.push_back("$MODEL(LARGE)");
    lines.push_back("            NAME     " + moduleName(language));
    lines.push_back("            ASSUME   DPP3:SYSTEM");
    lines.push_back(language + "_database    SECTION  HDAT  BYTE");
    for (std::size_t pos = 0; pos < image.size(); pos += kBytesPerLine) {
        lines.push_back(dataLine(image, pos));
        if (stopAt && stopAt(static_cast<std::int32_t>(pos))) return false;
    }
    lines.push_back(language + "_database    ENDS");
    lines.push_back("            END");
    return true;
}

std::string AssemblerWriter::fileText(const std::vector<std::string>& lines, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count && i < lines.size(); ++i) text += lines[i] + "\r\n";
    return text;
}

} // namespace kpd
