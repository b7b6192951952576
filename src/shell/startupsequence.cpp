#include "startupsequence.h"

#include "model/numbertext.h"
#include "model/theapp.h"
#include "xmlfiles/fixedfile.h"

#include <filesystem>

namespace {

void splashStatus(kpd::TheApp& app, const std::string& status)
{
    if (kpd::StartupStatus* splash = app.startupStatus()) splash->splashStatus(status);
}

void splashProgress(kpd::TheApp& app, int value)
{
    if (kpd::StartupStatus* splash = app.startupStatus()) splash->splashProgress(value);
}

} // namespace

StartupSequence::StartupSequence(kpd::TheApp& app, kpd::UserInterface& ui, std::string programFolder)
    : app_(app), ui_(ui), folder_(std::move(programFolder))
{
}

void StartupSequence::loadConstants()
{
    splashStatus(app_, "Loading constants");
    progress_ = 45;
    splashProgress(app_, progress_);
    if (app_.loadUserFile(kpd::FixedFile::path(folder_, "modeConstants.kpc"), -1)) {
        // The constants fill language 0 and every language starts from them; a configuration
        // without a language 0 has nothing to fill.
        if (const kpd::stringData* first = app_.stringDatas().find(app_.getLangDBKey(0))) {
            for (std::int16_t i = 1; i <= app_.getLastLangIndex(); ++i) {
                const std::string key = app_.getLangDBKey(i);
                if (kpd::stringData* set = app_.stringDatas().find(key)) set->copyMenus(*first, false);
            }
        }
    } else {
        ui_.message("Could not find constants file, limits and defaults etc will not be available");
    }
    progress_ = 55;
    splashProgress(app_, progress_);
}

void StartupSequence::loadLanguages()
{
    for (const kpd::stringData& set : app_.stringDatas()) {
        const std::string& key = set.dbKey();
        splashStatus(app_, "Loading language " + key);
        progress_ += 6;
        splashProgress(app_, progress_);
        if (!app_.loadUserFile(kpd::FixedFile::path(folder_, key + ".kpl"), -1))
            ui_.message("Could not find " + key + " reference file, this language selection will be empty");
    }
}

StartupSequence::Result StartupSequence::restore(const StartupSettings& settings)
{
    Result result;
    if (!settings.lastFile.empty()) {
        switch (app_.loadUserDocument(settings.lastFile, -1)) {
        case kpd::LoadResult::Whole: result.currentFile = settings.lastFile; break;
        case kpd::LoadResult::Partial: result.incompleteFile = settings.lastFile; break;
        case kpd::LoadResult::Missing:
        case kpd::LoadResult::Refused: break;
        }
    }

    result.autoSaveFile = settings.autoSaveFile.empty() ? (std::filesystem::path(folder_) / "autoSave.kpd").string()
                                                        : settings.autoSaveFile;
    result.autoSaveOn = settings.autoSaveState != "off";

    // A stored index without a language (or no number at all) falls back to the first language.
    const kpd::Int16Result lang = kpd::readInt16(settings.lang.empty() ? "0" : settings.lang);
    result.languageIndex = lang.status == kpd::NumberStatus::Ok && lang.value >= 0 &&
                                   lang.value <= app_.getLastLangIndex() && !app_.getLangDBKey(lang.value).empty()
                               ? lang.value
                               : std::int16_t(0);
    app_.setRefKey(app_.getLangDBKey(result.languageIndex));
    return result;
}
