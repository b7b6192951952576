#include "exchange/exchangetext.h"

#include "build/escapes.h"
#include "keypadtext/cescapedtext.h"

#include <gtest/gtest.h>

namespace kpd {
namespace {

// What a translator may see: every character either shows on the keypad as itself or
// belongs to an escape, and nothing a file format cannot carry.
void expectExchangeSafe(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '~') {
            i += text[i + 1] == 'x' ? 3 : 1;
            continue;
        }
        EXPECT_TRUE(c == '\n' || ExchangeText::showsAsItself(c)) << "code " << int(c) << " in " << text;
    }
}

TEST(ExchangeText, EveryKeypadCodeComesBackAsTheSameCodeWhetherEscapedOrTypedRaw)
{
    for (int code = 0; code < 256; ++code) {
        const std::string byte(1, static_cast<char>(code));
        const std::string escaped = CEscapedText::encode(byte);
        const std::string out = ExchangeText::fromModel(escaped);
        expectExchangeSafe(out);
        const ExchangeText::Converted back = ExchangeText::toModel(out);
        EXPECT_EQ(back.refusal, "") << code;
        EXPECT_EQ(decodeEscapes(back.escaped, false), byte) << code;
        EXPECT_EQ(back.escaped, escaped) << code;
        if (code == '~') continue;
        // A raw byte in the model, as older files hold Latin-1 letters.
        const ExchangeText::Converted raw = ExchangeText::toModel(ExchangeText::fromModel(byte));
        EXPECT_EQ(decodeEscapes(raw.escaped, false), decodeEscapes(byte, false)) << code;
    }
}

TEST(ExchangeText, LineBreaksTravelAsRealLineBreaksAndComeBackAsTheKeypadBreak)
{
    EXPECT_EQ(ExchangeText::fromModel("Motor~Mspeed~mrpm"), "Motor\nspeed\nrpm");
    EXPECT_EQ(ExchangeText::toModel("Motor\nspeed\r\nrpm").escaped, "Motor~Mspeed~Mrpm");
    EXPECT_EQ(ExchangeText::fromModel("50~~60 ~x80 \xE4"), "50~~60 ~x80 \xE4");
}

TEST(ExchangeText, CharactersTheKeypadShowsOtherwiseOrNotAtAllAreRefusedWithTheirPlace)
{
    // U+20AC came in as '?' with its code point recorded by the reader.
    EXPECT_NE(ExchangeText::toModel("Preis ?", {{6, U'\u20AC'}}).refusal.find("at character 7"), std::string::npos);
    EXPECT_NE(ExchangeText::toModel("\xD8 10 mm").refusal.find("~xd8"), std::string::npos);
    EXPECT_NE(ExchangeText::toModel("a\x85"
                                    "b")
                  .refusal,
              "");
    EXPECT_EQ(ExchangeText::toModel("~xd8 10 mm \xE4\xF6\xFC").refusal, "");
}

TEST(ExchangeText, IdsAreNameTokensAndKeysThatLookAlikeKeepApart)
{
    const std::string id = ExchangeText::unitId("m 1", "p.2", "Open loop", false);
    EXPECT_EQ(id.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_."),
              std::string::npos);
    EXPECT_NE(ExchangeText::unitId("a.b", "c", "d", false), ExchangeText::unitId("a", "b.c", "d", false));
    EXPECT_NE(ExchangeText::unitId("a_2Eb", "c", "d", false), ExchangeText::unitId("a.b", "c", "d", false));
    EXPECT_NE(ExchangeText::unitId("a", "b", "c", false), ExchangeText::unitId("a", "b", "c", true));
}

} // namespace
} // namespace kpd
