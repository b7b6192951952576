#include "compress.h"

#include "assemblerwriter.h"
#include "buildlimiterror.h"
#include "escapes.h"
#include "imagefiles.h"
#include "imagelayout.h"
#include "intelhexwriter.h"
#include "keypadwords.h"
#include "wordcounter.h"

#include "fileio/safefile.h"
#include "model/modelerror.h"
#include "model/theapp.h"

#include <cmath>
#include <memory>

namespace kpd {

namespace {

constexpr int kFirstModeKey = 2;
constexpr int kLastModeKey = 5;
constexpr std::size_t kRecordsResetPerReport = 256;

// The one-character prefix by which the keypad shows a description's unit.
std::string unitPrefix(std::int16_t unit)
{
    if (unit >= 1 && unit <= 4) return std::string(1, static_cast<char>(8 + unit));
    return {};
}

// Keeps a progress window open for one step and closes it however the step ends.
class OpenProgress {
public:
    OpenProgress(UserInterface& ui, ProgressOwner& owner, std::int32_t range, const std::string& caption)
        : window_(ui.openProgress(owner, range, caption))
    {
    }
    ~OpenProgress()
    {
        if (window_) window_->close();
    }
    OpenProgress(const OpenProgress&) = delete;
    OpenProgress& operator=(const OpenProgress&) = delete;

private:
    std::unique_ptr<ProgressWindow> window_;
};

void requireByte(std::int16_t number, const std::string& what)
{
    if (number < 0 || number > 255)
        throw BuildLimitError(what + " has the number " + std::to_string(number) +
                              "; the string database holds menu and parameter numbers from 0 to 255 only.");
}

} // namespace

void Compress::setData(TheApp& anApp, std::int32_t base)
{
    app_ = &anApp;
    custKey_ = anApp.getCustKey();
    base_ = base;
}

UserInterface& Compress::ui() const
{
    if (!app_) throw ModelError(ModelError::InvalidCall, "The string database builder has no data");
    return app_->ui();
}

bool Compress::reportProgress(std::int32_t value)
{
    progress_ = value;
    ui().processEvents();
    const bool stop = stop_;
    stop_ = false;
    return stop;
}

CompressResult Compress::compress()
{
    failed_ = false;
    failure_.clear();
    totalBytes_ = 0;
    imageComplete_ = false;
    hexComplete_ = false;
    asmComplete_ = false;
    try {
        const CompressResult result = build();
        imageComplete_ = result != CompressResult::Stopped;
        return result;
    } catch (const BuildLimitError& e) {
        failed_ = true;
        failure_ = e.what();
        image_.clear();
        ui().message(failure_, "ERROR", MessageIcon::Critical, MessageButtons::Ok);
        return CompressResult::Stopped;
    }
}

void Compress::fillRecord(const DrvMenu& menu, const Parameter& parameter)
{
    if (records_.size() >= kMaxParameters)
        throw BuildLimitError("The custom string set has more than " + std::to_string(kMaxParameters) +
                              " parameters; the string database cannot hold them.");
    requireByte(menu.menuNumber(), "Menu " + menu.menuKey());
    requireByte(parameter.paraNumber(), "Parameter " + parameter.paraKey() + " of menu " + menu.menuKey());

    ParamStrings record;
    record.menuNumber = menu.menuNumber();
    record.paraNumber = parameter.paraNumber();
    record.menuKey = menu.menuKey();
    record.paraKey = parameter.paraKey();
    const std::int16_t number = menu.menuNumber();
    const modeNameMap& names = number >= 15 && number <= 17 ? app_->modeOpMap() : app_->modeDefMap();
    for (int m = kFirstModeKey; m <= kLastModeKey; ++m) {
        const std::size_t slot = static_cast<std::size_t>(m - 1);
        const ClsString* name = names.find("mode" + std::to_string(m));
        if (!name) {
            ui().message("Mode not defined", "SHOULDNT SEE ME!", MessageIcon::None, MessageButtons::Ok);
            continue;
        }
        // Every parameter is built with every configured mode; one that lacks the mode
        // simply has no text in that slot.
        const ModeData* mode = parameter.modes().find(name->value);
        if (!mode) continue;
        record.descriptions[slot] = unitPrefix(mode->unit()) + blankReservedBytes(decodeEscapes(mode->getDesc(), false));
        record.helps[slot] = blankReservedBytes(decodeEscapes(mode->getHelp(), false));
    }
    records_.push_back(std::move(record));
}

bool Compress::translateDatabase()
{
    stringData& set = app_->stringDatas().Item(custKey_);
    OpenProgress window(ui(), *this, set.menuCount() + 32, "Translating database");
    records_.clear();
    for (std::size_t r = 0; r < kMaxParameters; r += kRecordsResetPerReport)
        if (reportProgress(1)) return false;
    for (const DrvMenu& menu : set.DrvMenus()) {
        if (menu.isMapped()) continue;
        for (const Parameter& parameter : menu.Parameters()) fillRecord(menu, parameter);
        if (reportProgress(progress_ + 1)) return false;
    }
    return true;
}

CompressResult Compress::build()
{
    image_.clear();
    if (!translateDatabase()) return CompressResult::Stopped;

    OpenProgress window(ui(), *this, 100, "Compressing Strings");
    WordCounter counter;
    const std::size_t count = records_.size();
    for (std::size_t r = 0; r < count; ++r) {
        const ParamStrings& record = records_[r];
        for (std::size_t j = 0; j < kModeSlots; ++j) {
            for (const std::string* text : {&record.descriptions[j], &record.helps[j]})
                if (!text->empty())
                    for (const std::string& word : splitWords(*text)) counter.countWord(word);
        }
        const auto percent = static_cast<std::int32_t>(std::lround(static_cast<double>(r) / count * 25));
        if (reportProgress(percent)) return CompressResult::Stopped;
    }
    if (reportProgress(25)) return CompressResult::Stopped;
    dictionary_ = Dictionary(counter.dictionaryWords());
    if (reportProgress(45)) return CompressResult::Stopped;

    ImageLayout layout(dictionary_, image_);
    if (reportProgress(55)) return CompressResult::Stopped;
    layout.pack(records_);
    if (reportProgress(65)) return CompressResult::Stopped;
    layout.countMenus();
    if (reportProgress(75)) return CompressResult::Stopped;
    layout.writeRecords();
    if (reportProgress(85)) return CompressResult::Stopped;
    layout.writeDictionary();
    if (reportProgress(90)) return CompressResult::Stopped;
    if (reportProgress(100)) return CompressResult::Stopped;

    totalBytes_ = static_cast<std::int32_t>(image_.size());
    return totalBytes_ > DatabaseImage::kKeypadLimit ? CompressResult::TooLarge : CompressResult::Fits;
}

void Compress::CreateIntelHexData()
{
    OpenProgress window(ui(), *this, 16384, "Writing hex file");
    hexLines_.clear();
    auto address = static_cast<std::uint32_t>(base_);
    hexComplete_ = IntelHexWriter::createRecords(image_, address, hexLines_,
                                                 [this](std::int32_t pos) { return reportProgress(pos); });
    base_ = static_cast<std::int32_t>(address);
}

bool Compress::WriteFileHex(const std::string& filename) const
{
    if (!imageComplete_ || !hexComplete_) return false;
    SafeFile::write(filename, IntelHexWriter::fileText(hexLines_));
    return true;
}

std::string Compress::CreateAssemblerData(const std::string& DBLangName)
{
    OpenProgress window(ui(), *this, static_cast<std::int32_t>(image_.size()), "creating assembler strings");
    asmLineCount_ = 0;
    asmComplete_ = AssemblerWriter::createLines(image_, DBLangName, asmLines_,
                                                [this](std::int32_t pos) { return reportProgress(pos); });
    if (asmComplete_) asmLineCount_ = asmLines_.size();
    return AssemblerWriter::moduleName(DBLangName);
}

bool Compress::WriteFileAsm(const std::string& filename) const
{
    if (!imageComplete_ || !asmComplete_) return false;
    SafeFile::write(filename, AssemblerWriter::fileText(asmLines_, asmLineCount_));
    return true;
}

bool Compress::WriteFileBin(const std::string& filename) const
{
    if (!imageComplete_) return false;
    SafeFile::write(filename, ImageFiles::flashBytes(image_));
    return true;
}

std::int16_t Compress::WriteFileSegs(const std::string& path) const
{
    if (!imageComplete_) return -1;
    return ImageFiles::writeSegments(image_, path);
}

} // namespace kpd
