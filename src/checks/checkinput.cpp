#include "checkinput.h"

#include "glossary.h"
#include "languagenames.h"

#include "model/stringdatas.h"
#include "model/theapp.h"

namespace kpd {

std::string CheckInput::referenceLanguageOf(const TheApp& app)
{
    const std::string code = LanguageNames::code(app.getRefKey());
    return code.empty() ? Glossary::primaryLanguage(app.getRefKey()) : code;
}

CheckInput CheckInput::fromApp(const TheApp& app, std::shared_ptr<const Glossary> glossary,
                               const std::string& customLanguage)
{
    CheckInput input;
    input.maxHelpChars = app.maxRecChars();
    input.referenceLanguage = referenceLanguageOf(app);
    if (glossary)
        input.customLanguage = customLanguage.empty() ? glossary->otherLanguage(input.referenceLanguage)
                                                      : Glossary::primaryLanguage(customLanguage);
    input.glossary = std::move(glossary);
    const stringData* custom = app.stringDatas().find(app.getCustKey());
    if (!custom) return input;
    const stringData* reference = app.stringDatas().find(app.getRefKey());
    for (const DrvMenu& menu : custom->DrvMenus()) {
        if (menu.isMapped()) continue;
        const DrvMenu* refMenu = reference ? reference->DrvMenus().find(menu.menuKey()) : nullptr;
        for (const Parameter& parameter : menu.Parameters()) {
            const Parameter* refParam = refMenu ? refMenu->Parameters().find(parameter.paraKey()) : nullptr;
            ParamTexts& texts = input.params.emplace_back();
            texts.menuKey = menu.menuKey();
            texts.paraKey = parameter.paraKey();
            texts.modes.reserve(static_cast<std::size_t>(parameter.modes().Count()));
            for (const ModeData& record : parameter.modes()) {
                ModeTexts& mode = texts.modes.emplace_back();
                mode.modeKey = record.modeKey();
                mode.defined = record.defined();
                mode.desc = record.getDesc();
                mode.help = record.getHelp();
                mode.unit = record.unit();
                if (!app.lostCharacters().empty()) {
                    LostCharacters::Place place{app.getCustKey(), menu.menuKey(), parameter.paraKey(), mode.modeKey};
                    if (const auto* lost = app.lostCharacters().find(place, mode.desc)) mode.lostInDesc = *lost;
                    place.help = true;
                    if (const auto* lost = app.lostCharacters().find(place, mode.help)) mode.lostInHelp = *lost;
                }
                if (const ModeData* ref = refParam ? refParam->modes().find(record.modeKey()) : nullptr) {
                    mode.refPresent = true;
                    mode.refDefined = ref->defined();
                    mode.refDesc = ref->getDesc();
                    mode.refHelp = ref->getHelp();
                }
            }
        }
    }
    return input;
}

} // namespace kpd
