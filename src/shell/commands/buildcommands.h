#pragma once

#include <cstdint>
#include <string>

namespace kpd {
class TheApp;
class UserInterface;
} // namespace kpd

// The commands that build the keypad's string database from the custom set: Check size,
// and saving the image as an Intel hex or flashing file.
class BuildCommands {
public:
    enum class ImageFile { IntelHex = 1, Flashing = 2 };

    BuildCommands(kpd::TheApp& app, kpd::UserInterface& ui, std::int32_t hexBase);

    void checkSize();
    // True when the file was written; a database too large for the keypad is never written.
    bool saveCompressedFile(const std::string& file, ImageFile kind);

private:
    kpd::TheApp& app_;
    kpd::UserInterface& ui_;
    std::int32_t hexBase_;
};
