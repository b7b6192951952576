#include "buildcommands.h"

#include "build/buildmessages.h"
#include "build/compress.h"
#include "model/theapp.h"
#include "modeltext/failurereport.h"

BuildCommands::BuildCommands(kpd::TheApp& app, kpd::UserInterface& ui, std::int32_t hexBase)
    : app_(app), ui_(ui), hexBase_(hexBase)
{
}

void BuildCommands::checkSize()
{
    kpd::Compress compress;
    compress.setData(app_, hexBase_);
    if (compress.compress() == kpd::CompressResult::Stopped) return;
    ui_.message(kpd::checkSizeMessage(compress.getTotalBytes()));
}

bool BuildCommands::saveCompressedFile(const std::string& file, ImageFile kind)
{
    kpd::Compress compress;
    compress.setData(app_, hexBase_);
    switch (compress.compress()) {
    case kpd::CompressResult::Stopped: return false;
    case kpd::CompressResult::TooLarge: ui_.message(kpd::kTooLargeMessage); return false;
    case kpd::CompressResult::Fits: break;
    }
    // A failed write leaves the old file as it was; the user learns why nothing was written.
    bool written = false;
    reportFailures(ui_, [&] {
        if (kind == ImageFile::IntelHex) compress.CreateIntelHexData();
        written = kind == ImageFile::IntelHex ? compress.WriteFileHex(file) : compress.WriteFileBin(file);
    });
    return written;
}
