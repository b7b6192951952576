#include "buildcommands.h"

#include "build/buildmessages.h"
#include "build/compress.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"

#include <system_error>

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
    case kpd::CompressResult::Stopped:
        return false;
    case kpd::CompressResult::TooLarge:
        ui_.message(kpd::kTooLargeMessage);
        return false;
    case kpd::CompressResult::Fits:
        break;
    }
    try {
        if (kind == ImageFile::IntelHex) {
            compress.CreateIntelHexData();
            return compress.WriteFileHex(file);
        }
        return compress.WriteFileBin(file);
    } catch (const std::system_error& error) {
        // The old file stays as it was; the user learns why nothing was written.
        ui_.message(messageOf(error), "ERROR", kpd::MessageIcon::Critical);
        return false;
    }
}
