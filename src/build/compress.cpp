#include "compress.h"

#include "assemblerwriter.h"
#include "buildlimiterror.h"
#include "imagecompiler.h"
#include "imagefiles.h"
#include "intelhexwriter.h"
#include "stringcollector.h"

#include "fileio/safefile.h"
#include "model/modelerror.h"
#include "model/theapp.h"

#include <memory>

namespace kpd {

namespace {

constexpr std::size_t kRecordsResetPerReport = 256;

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
    StringCollector::requireRoom(records_.size());
    ParamStrings record;
    const int undefined = StringCollector::fill(*app_, menu, parameter, record);
    for (int i = 0; i < undefined; ++i)
        ui().message("Mode not defined", "SHOULDNT SEE ME!", MessageIcon::None, MessageButtons::Ok);
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
    if (!ImageCompiler::compile(records_, dictionary_, image_,
                                [this](std::int32_t value) { return reportProgress(value); }))
        return CompressResult::Stopped;

    totalBytes_ = static_cast<std::int32_t>(image_.size());
    return DatabaseImage::fitsKeypad(totalBytes_) ? CompressResult::Fits : CompressResult::TooLarge;
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

std::int16_t Compress::WriteFileSegs(const std::string& path, const std::string& confinedTo) const
{
    if (!imageComplete_) return -1;
    return ImageFiles::writeSegments(image_, path, confinedTo);
}

} // namespace kpd
