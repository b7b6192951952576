#include "textexport.h"

#include "textcodec.h"

#include "build/escapes.h"
#include "fileio/filewriteerror.h"
#include "fileio/safefile.h"
#include "model/modelerror.h"
#include "model/theapp.h"

#include <filesystem>

namespace kpd {

namespace {

constexpr int kFirstModeKey = 2;
constexpr int kLastModeKey = 5;

class Fields {
public:
    explicit Fields(std::uint16_t options)
        : comma_((options & kExportComma) != 0),
          separator_(comma_ ? "," : " "),
          quotes_((options & kExportQuotes) != 0)
    {
    }
    // Every field, the last one too, is followed by the separator.
    void text(std::string& line, const std::string& value) const
    {
        if (comma_)
            line += csvField(value);
        else
            line += quotes_ ? "\"" + value + "\"" : value;
        line += separator_;
    }
    void number(std::string& line, int value) const { line += std::to_string(value) + separator_; }

private:
    // A spreadsheet splits a line at every comma outside quotes, and reads a doubled quote
    // inside them as one: a text holding either is quoted whether or not quotes were asked for.
    std::string csvField(const std::string& value) const
    {
        if (!quotes_ && value.find_first_of(",\"\r\n") == std::string::npos) return value;
        std::string field = "\"";
        for (char c : value) field += c == '"' ? std::string(2, c) : std::string(1, c);
        return field + '"';
    }

    bool comma_;
    std::string separator_;
    bool quotes_;
};

std::string modePart(const ModeData& mode, std::uint16_t options, const Fields& fields)
{
    std::string part;
    if (options & kExportModeName) fields.text(part, mode.modeKey());
    if (mode.defined()) {
        if (options & kExportDescription) fields.text(part, decodeEscapes(mode.getDesc(), true));
        if (options & kExportHelp) fields.text(part, decodeEscapes(mode.getHelp(), true));
        if (options & kExportUnits) fields.text(part, TextExport::unitText(mode.unit()));
    } else {
        for (std::uint16_t option : {kExportDescription, kExportHelp, kExportUnits})
            if (options & option) fields.text(part, "param not defined");
    }
    return part;
}

} // namespace

bool TextExport::hasOnlyNameCharacters(const std::string& name)
{
    for (char c : name) {
        const bool allowed = c == ' ' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!allowed) return false;
    }
    return true;
}

std::optional<std::string> TextExport::exportFileName(const std::string& name, std::uint16_t options)
{
    if (name.empty() || name.size() >= 20 || !hasOnlyNameCharacters(name)) return std::nullopt;
    return name + (options & kExportComma ? ".csv" : ".txt");
}

bool TextExport::writesBlankLines(std::uint16_t options)
{
    if (options & (kExportParamName | kExportMenuNumber | kExportParamNumber)) return false;
    const bool modes = (options & (kExportOpenLoop | kExportClosedLoop | kExportServo | kExportRegen)) != 0;
    const bool modeFields = (options & (kExportModeName | kExportDescription | kExportHelp | kExportUnits)) != 0;
    // One line per mode writes lines only for the chosen modes; one per parameter writes
    // one for every parameter.
    if (options & kExportLinePerMode) return modes && !modeFields;
    return !(modes && modeFields);
}

std::string TextExport::unitText(std::int16_t unit)
{
    switch (unit) {
    case 0: return "No Unit";
    case 1: return "%";
    case 2: return "A";
    case 3: return "RPM";
    case 4: return "Hz";
    default: return {};
    }
}

void TextExport::setData(TheApp& anApp, std::int32_t base)
{
    app_ = &anApp;
    base_ = base;
}

std::string TextExport::exportContent(std::uint16_t options) const
{
    if (!app_) throw ModelError(ModelError::InvalidCall, "The exporter has no data");
    const Fields fields(options);
    const bool linePerMode = (options & kExportLinePerMode) != 0;
    std::string content = std::string(kTitleLine) + "\r\n";
    for (const DrvMenu& menu : app_->stringDatas().Item(app_->getCustKey()).DrvMenus()) {
        if (menu.isMapped()) continue;
        const std::int16_t number = menu.menuNumber();
        const modeNameMap& names = number >= 15 && number <= 17 ? app_->modeOpMap() : app_->modeDefMap();
        for (const Parameter& parameter : menu.Parameters()) {
            std::string line;
            if (options & kExportParamName) fields.text(line, parameter.paraName());
            if (options & kExportMenuNumber) fields.number(line, number);
            if (options & kExportParamNumber) fields.number(line, parameter.paraNumber());
            bool anyFound = false;
            for (int key = kFirstModeKey; key <= kLastModeKey; ++key) {
                const ClsString* name = names.find("mode" + std::to_string(key));
                const ModeData* mode = name ? parameter.modes().find(name->value) : nullptr;
                if (!mode) continue;
                anyFound = true;
                if (!(options & (kExportOpenLoop << (key - kFirstModeKey)))) continue;
                const std::string part = modePart(*mode, options, fields);
                if (linePerMode)
                    content += line + part + "\r\n";
                else
                    line += part;
            }
            if (!linePerMode && anyFound) content += line + "\r\n";
        }
    }
    return content;
}

bool TextExport::exportText(const std::string& path, std::uint16_t options)
{
    if (!app_) throw ModelError(ModelError::InvalidCall, "The exporter has no data");
    UserInterface& ui = app_->ui();
    const auto mayReplace = [&ui] {
        return ui.message(kOverwriteQuestion, {}, MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
    };
    const bool replace = std::filesystem::exists(path);
    if (replace && !mayReplace()) return false;
    BusyPointer busy(ui);
    const std::string bytes = TextCodec::latin1ToUtf8(exportContent(options));
    try {
        // Without the user's yes, a file that another program creates meanwhile is kept.
        SafeFile::write(path, bytes, {.onlyIfNew = !replace, .confinedTo = {}});
    } catch (const FileWriteError& error) {
        if (error.code() != std::errc::file_exists) throw;
        if (!mayReplace()) return false;
        SafeFile::write(path, bytes);
    }
    return true;
}

} // namespace kpd
