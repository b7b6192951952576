#pragma once

#include "startupsettings.h"

#include <QString>

namespace kpd {
class InstallLayout;
}

// The drive folder the editor works in. An installed editor never writes beside itself:
// it works in a folder of the user's own, seeded from the drive data that came with it.
class UserDriveFolder {
public:
    struct Start {
        QString folder;
        // Empty, or why the per-user folder could not be set up (the bundled data is used).
        QString problem;
    };

    // The per-user drive folder of an installed editor.
    static QString location();

    // --folder wins, then the folder the user last opened (while it still holds a drive),
    // then the per-user folder of an installed editor, set up on its first start, then
    // the program's own folder.
    static Start choose(const kpd::InstallLayout& layout, const QString& folderOption, const QString& remembered);

    // Copies the files of `bundled` into `target` when `target` holds no configuration yet;
    // a folder that has one belongs to the user and is left alone. Returns an empty string,
    // or the reason the copy failed.
    static QString seed(const QString& bundled, const QString& target);

    static bool holdsDrive(const QString& folder);

    // The settings to keep when the editor leaves `folder` for another drive: a last file
    // or an auto-save file inside the folder left belongs to that drive, so the next one
    // starts without a file and saves automatically into its own folder.
    static StartupSettings leaving(StartupSettings settings, const std::string& folder);
};
