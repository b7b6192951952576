#pragma once

#include "setsnapshot.h"

#include "model/theapp.h"

#include <memory>
#include <string>

namespace kpd {

// A keypad data file read for comparison into a data root of its own, never into the
// sets being edited. The root is built from the drive folder's configuration and
// constants, as at start-up, so that the file's set holds what the editor would show had
// it opened the file; the reference files are not read, a comparison never looks at them.
class ComparedFile {
public:
    // Messages (a parse error, a missing file) go to `ui`. result is Missing when there is
    // no such file or the drive folder has no configuration.
    static std::unique_ptr<ComparedFile> load(UserInterface& ui, const std::string& driveFolder,
                                              const std::string& path, LoadResult& result);
    ~ComparedFile();

    // The set the file filled: the one its StringDB names, the custom set for a single menu.
    const stringData& set() const { return *set_; }
    SetSnapshot snapshot() const { return SetSnapshot::of(*set_); }

private:
    class ContainedFailures;
    ComparedFile(UserInterface& ui, const std::string& driveFolder);

    std::unique_ptr<ContainedFailures> ui_;
    TheApp app_;
    const stringData* set_ = nullptr;
};

} // namespace kpd
