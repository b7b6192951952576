#pragma once

#include "datafiles.h"
#include "lostcharacters.h"
#include "modenamemap.h"
#include "startupstatus.h"
#include "stringdatas.h"
#include "userinterface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

// The root of the string database: every string set, which of them is the reference
// and which the custom set, the language keys by index, and the mode-name maps.
class TheApp {
public:
    TheApp(UserInterface& ui, std::string appFolder, DataFiles& files);
    // With the keypad data files of the core library; defined there, beside them, so that
    // the model itself links without the file layer.
    TheApp(UserInterface& ui, std::string appFolder);
    TheApp(const TheApp&) = delete;
    TheApp& operator=(const TheApp&) = delete;

    UserInterface& ui() const { return ui_; }
    const std::string& appFolder() const { return appFolder_; }
    DataFiles& dataFiles() const { return files_; }

    kpd::stringDatas& stringDatas() { return sets_; }
    const kpd::stringDatas& stringDatas() const { return sets_; }

    // A key recorded twice is fatal: the program ends after the message, which carries
    // `detail` (where the key came from) on a line of its own.
    void setLangDBKey(std::int16_t index, const std::string& key, const std::string& detail = {});
    std::string getLangDBKey(std::int16_t index) const;
    std::int16_t getLangIndexFromKey(const std::string& key) const;
    std::int16_t getLastLangIndex() const { return lastLangIndex_; }

    void setRefKey(std::string key) { refKey_ = std::move(key); }
    const std::string& getRefKey() const { return refKey_; }
    void setCustKey(const std::string& key);
    const std::string& getCustKey() const { return custKey_; }

    DrvMenus& getRefMenus() const;
    DrvMenus& getCustMenus() const;

    std::int16_t maxRecChars() const { return maxRecChars_; }
    void setMaxRecChars(std::int16_t chars) { maxRecChars_ = chars; }
    // Leaves the value as it was when the text is no number.
    void setMaxRecChars(const std::string& strVal);

    kpd::modeNameMap& modeDefMap() { return modeDefMap_; }
    const kpd::modeNameMap& modeDefMap() const { return modeDefMap_; }
    kpd::modeNameMap& modeOpMap() { return modeOpMap_; }
    const kpd::modeNameMap& modeOpMap() const { return modeOpMap_; }

    // What the configuration says of the drive: the address the keypad's image starts at,
    // the makers' alternate mode, and that the drive cannot be edited at all.
    std::int32_t hexBase() const { return hexBase_; }
    void setHexBase(std::int32_t base) { hexBase_ = base; }
    bool alternate() const { return alternate_; }
    void setAlternate(bool alternate) { alternate_ = alternate; }
    bool cannotRun() const { return cannotRun_; }
    void setCannotRun(bool cannotRun) { cannotRun_ = cannotRun; }

    // The splash the reading of the configuration reports to, or none.
    void setStartupStatus(StartupStatus* status) { startupStatus_ = status; }
    StartupStatus* startupStatus() const { return startupStatus_; }

    kpd::LostCharacters& lostCharacters() { return lostCharacters_; }
    const kpd::LostCharacters& lostCharacters() const { return lostCharacters_; }

    // Reads the configuration "kpdconf.kpx" from the application folder, building every
    // string set's skeleton. Start-up calls it once, right after construction. False when
    // the file is missing: the message is shown and the cannot-run flag set.
    bool readConfiguration();
    // True when the file exists (whether or not it parsed); mNum -1 loads every menu.
    bool loadUserFile(const std::string& path, std::int16_t mNum = -1);
    LoadResult loadUserDocument(const std::string& path, std::int16_t mNum = -1, LoadMode mode = LoadMode::Merge);
    // Writes the custom set; the file is replaced only when the whole document is
    // written. False (message shown, data and dirty state untouched) on failure. Files
    // written unasked name the folder that a symbolic link must not lead them out of.
    bool xmlSave(const std::string& fname, bool constMode = false, const std::string& confinedTo = {});

    bool isAppDirty() const;
    void setAppClean();
    void copyRef2Cust();
    void clearAll();

private:
    UserInterface& ui_;
    std::string appFolder_;
    DataFiles& files_;
    kpd::stringDatas sets_;
    std::vector<std::string> langKeys_;
    std::int16_t lastLangIndex_ = -1;
    std::string refKey_;
    std::string custKey_;
    std::int16_t maxRecChars_ = 80;
    std::int32_t hexBase_ = 0;
    bool alternate_ = false;
    bool cannotRun_ = false;
    StartupStatus* startupStatus_ = nullptr;
    kpd::modeNameMap modeDefMap_;
    kpd::modeNameMap modeOpMap_;
    kpd::LostCharacters lostCharacters_;
};

} // namespace kpd
