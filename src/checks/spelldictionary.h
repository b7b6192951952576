#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

class Hunspell;

namespace kpd {

// One language's dictionary of the system, asked in the model's 8-bit text. Every answer
// is kept, since the same words come back with every check of a drive; the dictionary may be
// asked from several threads.
class SpellDictionary {
public:
    static constexpr const char* kSystemFolder = "/usr/share/hunspell";

    ~SpellDictionary();
    SpellDictionary(const SpellDictionary&) = delete;
    SpellDictionary& operator=(const SpellDictionary&) = delete;

    // The languages ("en_US", "fr") with both files in the folder, sorted.
    static std::vector<std::string> available(const std::string& folder = kSystemFolder);
    // The dictionary of a language, loaded once per process; nothing when the folder has none.
    static std::shared_ptr<const SpellDictionary> open(const std::string& language,
                                                       const std::string& folder = kSystemFolder);

    const std::string& language() const { return language_; }
    bool knows(const std::string& word) const;
    // The dictionary's suggestions that the keypad's 8-bit text can hold, best first.
    std::vector<std::string> suggestions(const std::string& word) const;

private:
    SpellDictionary(std::string language, const std::string& aff, const std::string& dic);
    std::string toDictionary(const std::string& word) const;

    std::string language_;
    std::unique_ptr<Hunspell> hunspell_;
    bool utf8_ = true;
    mutable std::mutex mutex_;
    mutable std::unordered_map<std::string, bool> known_;
    mutable std::unordered_map<std::string, std::vector<std::string>> suggested_;
};

} // namespace kpd
