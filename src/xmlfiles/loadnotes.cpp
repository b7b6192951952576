#include "loadnotes.h"

namespace kpd {

namespace {

std::string placeOf(const LostCharacters::Place& place)
{
    return place.menuKey + " " + place.paraKey + " " + place.modeKey + (place.help ? " help" : " description");
}

std::string plural(std::size_t count, const std::string& one, const std::string& more)
{
    return std::to_string(count) + " " + (count == 1 ? one : more);
}

std::string andMore(std::size_t listed, std::size_t total)
{
    return total > listed ? "  ... and " + std::to_string(total - listed) + " more\r\n" : std::string();
}

} // namespace

void LoadNotes::lostCharacters(long line, const LostCharacters::Place& place, const std::string& text,
                               const std::vector<LostCharacters::Character>& characters)
{
    lost_.push_back({line, place, text, characters});
}

void LoadNotes::valueOutOfRange(long line, const std::string& where, const std::string& problem)
{
    values_.push_back({line, where, problem});
}

std::string LoadNotes::message(const std::string& file) const
{
    if (empty()) return {};
    std::string text = "Loaded " + file + " with these remarks:\r\n";
    if (windows1252_)
        text += "The file is not UTF-8: it was read as Windows-1252, as older tools wrote it. Saving writes UTF-8.\r\n";
    if (!lost_.empty()) {
        std::size_t characters = 0;
        for (const LostText& lost : lost_) characters += lost.characters.size();
        text += plural(characters, "character has", "characters have") + " no keypad code and became \"?\" in " +
                plural(lost_.size(), "text", "texts") + ":\r\n";
        for (std::size_t i = 0; i < lost_.size() && i < kListed; ++i) {
            const LostText& lost = lost_[i];
            text += "  line " + std::to_string(lost.line) + ", " + placeOf(lost.place) + ":";
            for (const LostCharacters::Character& c : lost.characters)
                text += " " + LostCharacters::describe(c.codePoint) + " at character " + std::to_string(c.pos + 1) + ";";
            text.back() = '\r';
            text += '\n';
        }
        text += andMore(kListed, lost_.size());
    }
    if (!values_.empty()) {
        text += plural(values_.size(), "value is", "values are") + " out of range:\r\n";
        for (std::size_t i = 0; i < values_.size() && i < kListed; ++i)
            text += "  line " + std::to_string(values_[i].line) + ", " + values_[i].where + ": " + values_[i].problem + "\r\n";
        text += andMore(kListed, values_.size());
    }
    text.resize(text.size() - 2);
    return text;
}

void LoadNotes::recordLost(LostCharacters& record) const
{
    for (const LostText& lost : lost_) record.add(lost.place, lost.text, lost.characters);
}

} // namespace kpd
