#pragma once

#include <string>

namespace kpd {

class TheApp;

// Loads a drive folder into a data root the same way for every program: the configuration,
// the constants into every language, each language's reference file, then a user's file.
// The editor's start-up and kpdtool both go through it. Messages go to the data root's user
// interface, the start-up's progress to its start-up status when it has one.
class DriveLoader {
public:
    enum class Configuration { Read, Missing, Faulty };

    explicit DriveLoader(TheApp& app);

    // Anything but Read has been reported, and the data root marked as one that cannot run:
    // nothing else can be loaded without the configuration.
    Configuration readConfiguration();
    // The constants fill language 0 and every other language starts from them. Without the
    // file the user is told that limits and defaults are missing.
    void loadConstants();
    // The same without a word: false when the folder has no constants file.
    bool readConstants();
    void loadLanguages();
    // The file into the cleared custom set; false (after a message) when it does not exist.
    bool loadFile(const std::string& path);

private:
    TheApp& app_;
    int progress_ = 0;
};

} // namespace kpd
