#pragma once

#include "model/lostcharacters.h"

#include <optional>
#include <string>
#include <vector>

namespace kpd {

// The texts between the model's escaped form and the exchange form translators see: a
// character stands for itself only where the keypad shows what the character means, a
// line break is a real line break, and every other code keeps (or gets) the keypad's own
// escape. Escapes written in the model are passed on as written, so a text comes back
// byte for byte.
class ExchangeText {
public:
    // True for the codes written as their own character.
    static bool showsAsItself(unsigned char code);
    static std::string fromModel(const std::string& escaped);

    struct Converted {
        std::string escaped;
        // Why the text cannot be taken; empty when it can.
        std::string refusal;
    };
    // `lost` lists the characters the reader could not carry in 8 bits ('?' in the text).
    static Converted toModel(const std::string& text, const std::vector<LostCharacters::Character>& lost = {});

    // The unit id of a record's field: the keys joined by '.', each with every character
    // but a letter, a digit or '-' written as '_' and two hexadecimal digits, so that the
    // id is an XML name token and different keys never give the same id.
    static std::string unitId(const std::string& menuKey, const std::string& paraKey, const std::string& modeKey,
                              bool help);
    // The same place as a person reads it: menu/parameter/mode/field.
    static std::string resname(const std::string& menuKey, const std::string& paraKey, const std::string& modeKey,
                               bool help);
    static std::string idPart(const std::string& key);
};

} // namespace kpd
