#include "drivespelling.h"

#include "spellinglanguages.h"

#include "model/theapp.h"

namespace kpd {

std::string DriveSpelling::languageOf(const TheApp& app, const std::string& setKey, const std::string& dictionaries)
{
    return SpellingLanguages::read(app.appFolder()).languageOf(app, setKey, SpellDictionary::available(dictionaries));
}

DriveSpelling DriveSpelling::load(const std::string& setKey, const std::string& language, const std::string& folder,
                                  const std::string& dictionaries)
{
    DriveSpelling spelling;
    spelling.setKey = setKey;
    spelling.language = language;
    if (auto dictionary = SpellDictionary::open(language, dictionaries))
        spelling.checker = std::make_shared<SpellChecker>(std::move(dictionary), WordList::read(folder));
    return spelling;
}

DriveSpelling DriveSpelling::of(const TheApp& app, const std::string& setKey, const std::string& language,
                                const std::string& dictionaries)
{
    return load(setKey, language.empty() ? languageOf(app, setKey, dictionaries) : language, app.appFolder(),
                dictionaries);
}

DriveSpelling DriveSpelling::ofCustomSet(const TheApp& app, const std::string& language)
{
    return of(app, app.getCustKey(), language);
}

std::string DriveSpelling::missingMessage() const
{
    if (language.empty())
        return "No spelling dictionary is installed for the language of " + setKey + ": its spelling is not checked";
    return "No spelling dictionary \"" + language + "\" is installed: the spelling of " + setKey + " is not checked";
}

} // namespace kpd
