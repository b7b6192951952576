#pragma once

#include "recordinguserinterface.h"

#include "model/theapp.h"

#include <memory>
#include <string>

namespace kpd::test {

// A temporary program folder, removed with everything in it when the fixture ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const;
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

private:
    std::string path_;
};

// A small drive as a configuration document: sets English (Lang0), Custom (the custom
// set) and French (Lang1); modes Open loop, Closed loop, Servo; menus m1 (p1 p2 p3),
// m2 (p0 p5), a hidden m3 (p1), m15 with its own modes Slot A and Slot B (p1), and trips
// t1 -> m1.p2, t2 -> m2.p5.
std::string smallConfiguration();

// An application whose skeleton was read from `configuration` in a fresh folder.
struct LoadedDrive {
    RecordingUserInterface ui;
    TempFolder folder;
    std::unique_ptr<TheApp> app;

    explicit LoadedDrive(const std::string& configuration = smallConfiguration());
    // Writes `document` into the folder and loads it with loadUserFile.
    bool load(const std::string& document, std::int16_t mNum = -1, const std::string& name = "doc.kpd");
    ModeData& custom(const std::string& menu, const std::string& para, const std::string& mode) const;
    ModeData& inSet(const std::string& set, const std::string& menu, const std::string& para,
                    const std::string& mode) const;
};

// The text of a file on disk, for comparing with documents worked out by hand.
std::string readFile(const std::string& path);

} // namespace kpd::test
