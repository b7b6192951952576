#include "driveloader.h"

#include "documentloader.h"
#include "fixedfile.h"

#include "model/startupstatus.h"
#include "model/theapp.h"

#include <cstdint>
#include <filesystem>

namespace kpd {

namespace {

// Only the editor's start-up shows a splash; kpdtool and a compared drive load without one.
void splashStatus(TheApp& app, const std::string& status)
{
    if (StartupStatus* splash = app.startupStatus()) splash->splashStatus(status);
}

void splashProgress(TheApp& app, int value)
{
    if (StartupStatus* splash = app.startupStatus()) splash->splashProgress(value);
}

} // namespace

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
    splashStatus(app_, "Loading constants");
    progress_ = 45;
    splashProgress(app_, progress_);
    if (!readConstants())
        app_.ui().message("Could not find constants file, limits and defaults etc will not be available");
    progress_ = 55;
    splashProgress(app_, progress_);
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
    for (const stringData& set : app_.stringDatas()) {
        const std::string& key = set.dbKey();
        splashStatus(app_, "Loading language " + key);
        progress_ += 6;
        splashProgress(app_, progress_);
        if (!app_.loadUserFile(FixedFile::path(app_.appFolder(), key + ".kpl"), -1))
            app_.ui().message("Could not find " + key + " reference file, this language selection will be empty");
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
