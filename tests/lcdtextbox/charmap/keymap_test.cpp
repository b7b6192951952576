#include "lcdtextbox/ckeymap.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <random>

namespace {

using Key = CKeyMap::Key;
using Byte = CKeyMap::Byte;

// Every representative types its byte back, and a byte has a representative exactly
// when some key types it.
void expectInvariant(const CKeyMap& map)
{
    for (int b = 0; b < 256; ++b) {
        const Byte byte = static_cast<Byte>(b);
        const std::optional<Key> rep = map.keypadToKey(byte);
        const std::vector<Key> keys = map.keysOf(byte);
        EXPECT_EQ(rep.has_value(), !keys.empty()) << "byte " << b;
        if (rep) {
            EXPECT_EQ(map.keyToKeypad(*rep), byte) << "byte " << b << " representative " << *rep;
        }
    }
}

CKeyMap emptyMap()
{
    CKeyMap map;
    for (int code = 32; code <= 127; ++code) map.unmapChar(static_cast<Byte>(code));
    return map;
}

} // namespace

TEST(KeyMapStart, TranslatesPrintableAsciiBothWaysAndNothingElse)
{
    const CKeyMap map;
    EXPECT_EQ(map.keyToKeypad(65), std::optional<Byte>(0x41));
    EXPECT_EQ(map.keypadToKey(0x41), std::optional<Key>(65));
    EXPECT_EQ(map.keyToKeypad(32), std::optional<Byte>(32));
    EXPECT_EQ(map.keyToKeypad(127), std::optional<Byte>(127));
    EXPECT_FALSE(map.isKeyMapped(31));
    EXPECT_FALSE(map.isKeyMapped(128));
    EXPECT_FALSE(map.isCharMapped(0xE9));
    EXPECT_EQ(map.header(), 1u);
    expectInvariant(map);
}

TEST(KeyMapMapping, MovingAKeyLeavesItsOldCharacterWithoutKey)
{
    CKeyMap map;
    EXPECT_FALSE(map.map(0xE9, 200));
    EXPECT_TRUE(map.map(0xC4, 65));
    EXPECT_EQ(map.keyToKeypad(65), std::optional<Byte>(0xC4));
    EXPECT_EQ(map.keypadToKey(0xC4), std::optional<Key>(65));
    EXPECT_FALSE(map.isCharMapped(0x41));
    EXPECT_TRUE(map.keysOf(0x41).empty());
    expectInvariant(map);
}

TEST(KeyMapMapping, RefusesBytesWithoutGlyph)
{
    CKeyMap map;
    EXPECT_FALSE(map.map(0x0F, 65));
    EXPECT_FALSE(map.map(0x00, 300));
    EXPECT_EQ(map.keyToKeypad(65), std::optional<Byte>(0x41));
    EXPECT_FALSE(map.isKeyMapped(300));
    EXPECT_FALSE(map.isCharMapped(0x0F));
    EXPECT_TRUE(map.map(0x10, 65));
}

TEST(KeyMapRepresentative, LaterKeyRepresentsAndUnmappingItPromotesTheOther)
{
    CKeyMap map;
    map.map(0xE9, 200);
    map.map(0xE9, 201);
    EXPECT_EQ(map.keypadToKey(0xE9), std::optional<Key>(201));
    EXPECT_EQ(map.keyToKeypad(200), std::optional<Byte>(0xE9));
    map.unmapKey(201);
    EXPECT_EQ(map.keypadToKey(0xE9), std::optional<Key>(200));
    EXPECT_FALSE(map.isKeyMapped(201));
    expectInvariant(map);
}

TEST(KeyMapRepresentative, UnmappingAnotherKeyKeepsTheRepresentative)
{
    CKeyMap map;
    map.map(0xE9, 200);
    map.map(0xE9, 201);
    map.unmapKey(200);
    EXPECT_EQ(map.keypadToKey(0xE9), std::optional<Key>(201));
    map.unmapKey(201);
    EXPECT_FALSE(map.isCharMapped(0xE9));
    map.unmapKey(201);
    expectInvariant(map);
}

TEST(KeyMapRepresentative, UnmapCharRemovesEveryKeyOfIt)
{
    CKeyMap map;
    map.map(0xE9, 200);
    map.map(0xE9, 201);
    map.map(0xE9, 5000);
    map.unmapChar(0xE9);
    EXPECT_FALSE(map.isCharMapped(0xE9));
    EXPECT_FALSE(map.isKeyMapped(200));
    EXPECT_FALSE(map.isKeyMapped(201));
    EXPECT_FALSE(map.isKeyMapped(5000));
    EXPECT_EQ(map.keyToKeypad(65), std::optional<Byte>(0x41));
}

TEST(KeyMapOrder, KeysOfFollowBucketsThenFrontInsertion)
{
    CKeyMap map = emptyMap();
    // 65 and 18500 share bucket 4 (18500 / 16 = 1156, mod 1152 = 4); 200 is in bucket 12;
    // 40 is in bucket 2.
    map.map(0xE9, 65);
    map.map(0xE9, 200);
    map.map(0xE9, 18500);
    map.map(0xE9, 40);
    EXPECT_EQ(map.keysOf(0xE9), (std::vector<Key>{40, 18500, 65, 200}));
    map.unmapKey(40);
    EXPECT_EQ(map.keypadToKey(0xE9), std::optional<Key>(18500));
}

TEST(KeyMapInvariant, HoldsThroughARandomRunOfOperations)
{
    CKeyMap map;
    std::mt19937 random(12345);
    for (int step = 0; step < 3000; ++step) {
        const Byte byte = static_cast<Byte>(random() % 40 + 0x30);
        const Key key = static_cast<Key>(random() % 60 + 40);
        switch (random() % 4) {
        case 0:
        case 1:
            map.map(byte, key);
            EXPECT_EQ(map.keyToKeypad(key), byte);
            EXPECT_EQ(map.keypadToKey(byte), key);
            break;
        case 2:
            map.unmapKey(key);
            EXPECT_FALSE(map.isKeyMapped(key));
            break;
        default:
            map.unmapChar(byte);
            EXPECT_TRUE(map.keysOf(byte).empty());
            break;
        }
        if (::testing::Test::HasFailure()) break;
    }
    expectInvariant(map);
}

TEST(KeyMapKeyCodes, CtrlCombinationsGiveControlCodesAndAltGivesNothing)
{
    const QKeyEvent ctrlA(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QStringLiteral("a"));
    EXPECT_EQ(CKeyMap::keyCodeOf(ctrlA), std::optional<Key>(1));
    const QKeyEvent ctrlUnderscore(QEvent::KeyPress, Qt::Key_Underscore, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(CKeyMap::keyCodeOf(ctrlUnderscore), std::optional<Key>(31));
    const QKeyEvent shiftA(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    EXPECT_EQ(CKeyMap::keyCodeOf(shiftA), std::optional<Key>(65));
    const QKeyEvent eAcute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)));
    EXPECT_EQ(CKeyMap::keyCodeOf(eAcute), std::optional<Key>(0xE9));
    const QKeyEvent altA(QEvent::KeyPress, Qt::Key_A, Qt::AltModifier, QStringLiteral("a"));
    EXPECT_FALSE(CKeyMap::keyCodeOf(altA).has_value());
    const QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    EXPECT_FALSE(CKeyMap::keyCodeOf(f1).has_value());
}
