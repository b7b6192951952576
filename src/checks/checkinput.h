#pragma once

#include "problem.h"

#include "model/lostcharacters.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kpd {

class DrvMenu;
class Glossary;
class Parameter;
class TheApp;

// A copy of what the checks read from the custom and reference sets, so that they can run
// on another thread while the user goes on editing the live model.
struct CheckInput {
    struct ModeTexts {
        std::string modeKey;
        bool defined = true;
        std::string desc;
        std::string help;
        std::int16_t unit = 0;
        // The reference set has this parameter in this mode.
        bool refPresent = false;
        bool refDefined = false;
        std::string refDesc;
        std::string refHelp;
        // Characters the loaded file held where the text now has '?', while it is unedited.
        std::vector<LostCharacters::Character> lostInDesc;
        std::vector<LostCharacters::Character> lostInHelp;

        const std::string& text(TextField field) const { return field == TextField::Description ? desc : help; }
        const std::string& refText(TextField field) const
        {
            return field == TextField::Description ? refDesc : refHelp;
        }
        bool hasText(TextField field) const { return defined && !text(field).empty(); }
        bool refHasText(TextField field) const { return refPresent && refDefined && !refText(field).empty(); }
    };
    struct ParamTexts {
        std::string menuKey;
        std::string paraKey;
        std::vector<ModeTexts> modes;
    };

    std::vector<ParamTexts> params;
    int maxHelpChars = 80;
    // The glossary checks run only with a glossary and both languages known.
    std::shared_ptr<const Glossary> glossary;
    std::string referenceLanguage;
    std::string customLanguage;

    // Every parameter of every menu of the custom set, in collection order. The trips menu
    // is left out: its parameters are the ones of the other menus. Without customLanguage
    // the custom set is taken to be in the glossary's one language besides the reference's.
    static CheckInput fromApp(const TheApp& app, std::shared_ptr<const Glossary> glossary = {},
                              const std::string& customLanguage = {});
    // The one parameter alone, to check again after it was edited; empty when the custom
    // set has no such parameter.
    static CheckInput fromParameter(const TheApp& app, const std::string& menuKey, const std::string& paraKey,
                                    std::shared_ptr<const Glossary> glossary = {});
    // The language code of the reference set, from its key ("English", or "en" itself).
    static std::string referenceLanguageOf(const TheApp& app);

private:
    // The limits and languages every check reads, without a text yet.
    static CheckInput forSet(const TheApp& app, std::shared_ptr<const Glossary> glossary,
                             const std::string& customLanguage);
    void add(const TheApp& app, const DrvMenu& menu, const DrvMenu* refMenu, const Parameter& parameter);
};

} // namespace kpd
