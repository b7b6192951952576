#include "checkinput.h"

#include "glossary.h"
#include "languagenames.h"

#include "model/stringdatas.h"
#include "model/theapp.h"

namespace kpd {

namespace {

const DrvMenu* referenceMenu(const TheApp& app, const std::string& menuKey)
{
    const stringData* reference = app.stringDatas().find(app.getRefKey());
    return reference ? reference->DrvMenus().find(menuKey) : nullptr;
}

} // namespace

std::string CheckInput::referenceLanguageOf(const TheApp& app)
{
    const std::string code = LanguageNames::code(app.getRefKey());
    return code.empty() ? Glossary::primaryLanguage(app.getRefKey()) : code;
}

CheckInput CheckInput::forSet(const TheApp& app, std::shared_ptr<const Glossary> glossary,
                              const std::string& customLanguage)
{
    CheckInput input;
    input.maxHelpChars = app.maxRecChars();
    input.referenceLanguage = referenceLanguageOf(app);
    if (glossary)
        input.customLanguage = customLanguage.empty() ? glossary->otherLanguage(input.referenceLanguage)
                                                      : Glossary::primaryLanguage(customLanguage);
    input.glossary = std::move(glossary);
    return input;
}

CheckInput CheckInput::fromApp(const TheApp& app, std::shared_ptr<const Glossary> glossary,
                               const std::string& customLanguage)
{
    CheckInput input = forSet(app, std::move(glossary), customLanguage);
    const stringData* custom = app.stringDatas().find(app.getCustKey());
    if (!custom) return input;
    for (const DrvMenu& menu : custom->DrvMenus()) {
        if (menu.isMapped()) continue;
        const DrvMenu* refMenu = referenceMenu(app, menu.menuKey());
        for (const Parameter& parameter : menu.Parameters()) input.add(app, menu, refMenu, parameter);
    }
    return input;
}

CheckInput CheckInput::fromParameter(const TheApp& app, const std::string& menuKey, const std::string& paraKey,
                                     std::shared_ptr<const Glossary> glossary)
{
    CheckInput input = forSet(app, std::move(glossary), {});
    const stringData* custom = app.stringDatas().find(app.getCustKey());
    const DrvMenu* menu = custom ? custom->DrvMenus().find(menuKey) : nullptr;
    const Parameter* parameter = menu ? menu->Parameters().find(paraKey) : nullptr;
    if (parameter) input.add(app, *menu, referenceMenu(app, menuKey), *parameter);
    return input;
}

void CheckInput::add(const TheApp& app, const DrvMenu& menu, const DrvMenu* refMenu, const Parameter& parameter)
{
    const Parameter* refParam = refMenu ? refMenu->Parameters().find(parameter.paraKey()) : nullptr;
    ParamTexts& texts = params.emplace_back();
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

} // namespace kpd
