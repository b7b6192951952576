// Feeds bytes to the translation file reader (XLIFF or PO, whichever the bytes look like)
// and checks what the import relies on: a file is read or refused with the one model
// error, and a text read from it converts to keypad text and back to the same keypad codes.
#include "build/escapes.h"
#include "exchange/exchangetext.h"
#include "exchange/translationreader.h"
#include "model/modelerror.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kpd::TranslationFile file;
    try {
        file = kpd::TranslationReader::parse(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
    } catch (const kpd::ModelError&) {
        return 0;
    }
    for (const kpd::TranslationFile::Unit& unit : file.units) {
        for (const auto& lost : unit.lost)
            if (lost.pos >= unit.target.size() || unit.target[lost.pos] != '?') __builtin_trap();
        const kpd::ExchangeText::Converted converted = kpd::ExchangeText::toModel(unit.target, unit.lost);
        if (!converted.refusal.empty()) continue;
        const std::string again = kpd::ExchangeText::toModel(kpd::ExchangeText::fromModel(converted.escaped)).escaped;
        if (kpd::decodeEscapes(again, false) != kpd::decodeEscapes(converted.escaped, false)) __builtin_trap();
    }
    return 0;
}
