#include "driveloader.h"

#include "documentloader.h"
#include "fixedfile.h"

#include "model/theapp.h"

#include <cstdint>
#include <filesystem>

namespace kpd {

DriveLoader::DriveLoader(TheApp& app) : app_(app)
{
}

DriveLoader::Configuration DriveLoader::readConfiguration()
{
    if (app_.readConfiguration()) return Configuration::Read;
    std::error_code error;
    const std::string path = FixedFile::path(app_.appFolder(), DocumentLoader::kConfigurationFile);
    return std::filesystem::exists(path, error) ? Configuration::Faulty : Configuration::Missing;
}

void DriveLoader::loadConstants()
{
    UserInterface& ui = app_.ui();
    ui.splashStatus("Loading constants");
    progress_ = 45;
    ui.splashProgress(progress_);
    if (!readConstants()) ui.message("Could not find constants file, limits and defaults etc will not be available");
    progress_ = 55;
    ui.splashProgress(progress_);
}

bool DriveLoader::readConstants()
{
    if (!app_.loadUserFile(FixedFile::path(app_.appFolder(), "modeConstants.kpc"), -1)) return false;
    // A configuration without a language 0 has no set for the constants to fill.
    if (const stringData* first = app_.stringDatas().find(app_.getLangDBKey(0))) {
        for (std::int16_t i = 1; i <= app_.getLastLangIndex(); ++i)
            if (stringData* set = app_.stringDatas().find(app_.getLangDBKey(i))) set->copyMenus(*first, false);
    }
    return true;
}

void DriveLoader::loadLanguages()
{
    UserInterface& ui = app_.ui();
    for (const stringData& set : app_.stringDatas()) {
        const std::string& key = set.dbKey();
        ui.splashStatus("Loading language " + key);
        progress_ += 6;
        ui.splashProgress(progress_);
        if (!app_.loadUserFile(FixedFile::path(app_.appFolder(), key + ".kpl"), -1))
            ui.message("Could not find " + key + " reference file, this language selection will be empty");
    }
}

bool DriveLoader::loadFile(const std::string& path)
{
    app_.clearAll();
    if (app_.loadUserFile(path, -1)) return true;
    app_.ui().message("Could not find the file " + path, "ERROR", MessageIcon::Critical, MessageButtons::Ok);
    return false;
}

} // namespace kpd
