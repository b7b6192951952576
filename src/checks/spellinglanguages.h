#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kpd {

class TheApp;

// Which dictionary spells each string set of a drive: a file of the drive folder with a
// line "set=language" (language as the dictionary's file is named, "fr_FR") for each set the
// user chose one for. A set without a line takes the language its name says; the custom
// set, which names none, takes the main reference set's until the user chooses.
class SpellingLanguages {
public:
    static constexpr const char* kFileName = "spelling.ini";

    // Nothing chosen when the file does not exist.
    static SpellingLanguages read(const std::string& folder);
    static SpellingLanguages parse(std::string_view text);
    std::string fileText() const;
    void write(const std::string& folder) const;

    // The language chosen for the set, or empty.
    std::string chosen(const std::string& setKey) const;
    // An empty language forgets the choice.
    void choose(const std::string& setKey, const std::string& language);

    // The set's language: chosen, else from its name among the offered ones; empty when none
    // fits.
    std::string languageOf(const TheApp& app, const std::string& setKey, const std::vector<std::string>& offered) const;
    // The offered language a set's name ("French", "fr", "es_MX") stands for, or empty.
    static std::string fromName(const std::string& name, const std::vector<std::string>& offered);

private:
    std::map<std::string, std::string> chosen_;
};

} // namespace kpd
