#include "startupsequence.h"

#include "model/numbertext.h"
#include "model/theapp.h"
#include "xmlfiles/drivefilenames.h"

StartupSequence::StartupSequence(kpd::TheApp& app) : app_(app), loader_(app)
{
}

void StartupSequence::loadReferences()
{
    loader_.loadConstants();
    loader_.loadLanguages();
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

    result.autoSaveFile =
        settings.autoSaveFile.empty() ? kpd::DriveFileNames::autoSave(app_.appFolder()) : settings.autoSaveFile;
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
