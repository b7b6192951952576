#include "lcdtextbox/ckeymap.h"

#include "pipewithwriter.h"
#include "recordingprompter.h"
#include "writefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Key = CKeyMap::Key;
using Byte = CKeyMap::Byte;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values) out.append(static_cast<char>(v));
    return out;
}

std::string hex(const QByteArray& data)
{
    return data.toHex(' ').toStdString();
}

CKeyMap emptyMap()
{
    CKeyMap map;
    for (int code = 32; code <= 127; ++code) map.unmapChar(static_cast<Byte>(code));
    return map;
}

// Worked out by hand: representatives 0x42 → 66 and 0x41 → 65 share bucket 4 (0x42 in
// front, added later), 0xE9 → 18500 sits in bucket 14; keys 18500, 66 and 65 share bucket
// 4 in that order, key 200 is in bucket 12.
const QByteArray smallMapFile = bytes({
    0x01, 0x00, 0x00, 0x00,             // header 1
    0x03, 0x00,                         // three representatives
    0x42, 0x42, 0x00, 0x41, 0x41, 0x00, // bucket 4
    0xE9, 0x44, 0x48,                   // bucket 14: 18500 = 0x4844
    0x04, 0x00,                         // four keys
    0x44, 0x48, 0xE9, 0x42, 0x00, 0x42, 0x41, 0x00, 0x41, // bucket 4
    0xC8, 0x00, 0xE9,                   // bucket 12
});

CKeyMap smallMap()
{
    CKeyMap map = emptyMap();
    map.map(0x41, 65);
    map.map(0x42, 66);
    map.map(0xE9, 200);
    map.map(0xE9, 18500);
    return map;
}

class KeyMapFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    QByteArray saved(const CKeyMap& map)
    {
        const QString file = path(QStringLiteral("saved.kpm"));
        EXPECT_TRUE(map.save(file));
        QFile in(file);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        return in.readAll();
    }

    QString written(const QByteArray& data, const QString& name = QStringLiteral("in.kpm"))
    {
        const QString file = path(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(data);
        return file;
    }

    QTemporaryDir dir;
    RecordingPrompter prompter;
};

} // namespace

TEST_F(KeyMapFile, EmptyMapIsHeaderAndTwoZeroCounts)
{
    EXPECT_EQ(hex(saved(emptyMap())), hex(bytes({1, 0, 0, 0, 0, 0, 0, 0})));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(KeyMapFile, SmallMapListsEntriesBucketByBucketFromTheFront)
{
    EXPECT_EQ(hex(saved(smallMap())), hex(smallMapFile));
}

TEST_F(KeyMapFile, StartingMapBeginsWithTheLastCodeOfTheFirstBucket)
{
    const QByteArray data = saved(CKeyMap());
    ASSERT_EQ(data.size(), 4 + 2 + 96 * 3 + 2 + 96 * 3);
    EXPECT_EQ(hex(data.left(9)), hex(bytes({1, 0, 0, 0, 96, 0, 0x2F, 0x2F, 0x00})));
    // Bucket 7 ends with 0x70, the first code put into it.
    EXPECT_EQ(hex(data.mid(6 + 95 * 3, 3)), hex(bytes({0x70, 0x70, 0x00})));
    EXPECT_EQ(hex(data.mid(294, 5)), hex(bytes({96, 0, 0x2F, 0x00, 0x2F})));
}

TEST_F(KeyMapFile, CountsFromFFFFOnAreEscapedTo32Bits)
{
    struct Row {
        int keys;
        QByteArray count;
    };
    const Row rows[] = {
        {65534, bytes({0xFE, 0xFF})},
        {65535, bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
        {65536, bytes({0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00})},
    };
    for (const Row& row : rows) {
        CKeyMap map = emptyMap();
        for (int key = 0; key < row.keys; ++key) map.map(0x41, static_cast<Key>(key));
        const QByteArray data = saved(map);
        // header, one representative, then the key count.
        EXPECT_EQ(hex(data.mid(9, row.count.size())), hex(row.count)) << row.keys;
        EXPECT_EQ(data.size(), 9 + row.count.size() + 3 * row.keys) << row.keys;

        CKeyMap back = emptyMap();
        EXPECT_TRUE(back.load(path(QStringLiteral("saved.kpm")))) << row.keys;
        EXPECT_EQ(back.keysOf(0x41).size(), static_cast<std::size_t>(row.keys));
    }
}

TEST_F(KeyMapFile, LoadingPutsEachEntryInFrontSoEveryChainComesBackReversed)
{
    CKeyMap map = emptyMap();
    ASSERT_TRUE(map.load(written(smallMapFile)));
    EXPECT_EQ(hex(saved(map)), hex(bytes({
                                   0x01, 0x00, 0x00, 0x00, 0x03, 0x00,             //
                                   0x41, 0x41, 0x00, 0x42, 0x42, 0x00,             // bucket 4
                                   0xE9, 0x44, 0x48,                               // bucket 14
                                   0x04, 0x00,                                     //
                                   0x41, 0x00, 0x41, 0x42, 0x00, 0x42, 0x44, 0x48, 0xE9, // bucket 4
                                   0xC8, 0x00, 0xE9,                               // bucket 12
                               })));
    // A second trip restores the first order.
    CKeyMap again = emptyMap();
    ASSERT_TRUE(again.load(path(QStringLiteral("saved.kpm"))));
    EXPECT_EQ(hex(saved(again)), hex(smallMapFile));
}

TEST_F(KeyMapFile, LoadingAddsToTheMapInMemory)
{
    CKeyMap map;
    const QString file = written(bytes({7, 0, 0, 0, 1, 0, 0xE9, 0xC8, 0x00, 1, 0, 0xC8, 0x00, 0xE9}));
    ASSERT_TRUE(map.load(file));
    EXPECT_EQ(map.header(), 7u);
    EXPECT_EQ(map.keyToKeypad(200), std::optional<Byte>(0xE9));
    EXPECT_EQ(map.keypadToKey(0xE9), std::optional<Key>(200));
    for (int code = 32; code <= 127; ++code) {
        EXPECT_EQ(map.keyToKeypad(static_cast<Key>(code)), std::optional<Byte>(code));
        EXPECT_EQ(map.keypadToKey(static_cast<Byte>(code)), std::optional<Key>(code));
    }
}

TEST_F(KeyMapFile, LoadedKeyOverridesAndItsOldCharacterLosesTheStaleRepresentative)
{
    CKeyMap map;
    const QString file = written(bytes({1, 0, 0, 0, 1, 0, 0xC4, 0x41, 0x00, 1, 0, 0x41, 0x00, 0xC4}));
    ASSERT_TRUE(map.load(file));
    EXPECT_EQ(map.keyToKeypad(65), std::optional<Byte>(0xC4));
    EXPECT_EQ(map.keypadToKey(0xC4), std::optional<Key>(65));
    EXPECT_FALSE(map.isCharMapped(0x41));
}

TEST_F(KeyMapFile, LoadedKeyWithoutRepresentativeBecomesOne)
{
    CKeyMap map;
    ASSERT_TRUE(map.load(written(bytes({1, 0, 0, 0, 0, 0, 1, 0, 0x2C, 0x01, 0xE9}))));
    EXPECT_EQ(map.keypadToKey(0xE9), std::optional<Key>(300));
}

TEST_F(KeyMapFile, EveryTruncationFailsWithAMessageAndKeepsWhatWasRead)
{
    for (int length = 0; length < smallMapFile.size(); ++length) {
        prompter.messages.clear();
        CKeyMap map = emptyMap();
        EXPECT_FALSE(map.load(written(smallMapFile.left(length)))) << length;
        ASSERT_EQ(prompter.messages.size(), 1u) << length;
        EXPECT_EQ(prompter.messages[0].title, QStringLiteral("ERROR"));
        EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("in.kpm"))) << length;
    }
    // Cut inside the second key: the first key arrived, the representatives of keys that
    // never arrived do not stand.
    CKeyMap map = emptyMap();
    EXPECT_FALSE(map.load(written(smallMapFile.left(21))));
    EXPECT_EQ(map.keyToKeypad(18500), std::optional<Byte>(0xE9));
    EXPECT_EQ(map.keypadToKey(0xE9), std::optional<Key>(18500));
    EXPECT_FALSE(map.isKeyMapped(66));
    EXPECT_FALSE(map.isCharMapped(0x42));
}

TEST_F(KeyMapFile, CountsBeyondTheFileStopTheLoad)
{
    CKeyMap map = emptyMap();
    // Claims five representatives, holds one, and no key section.
    EXPECT_FALSE(map.load(written(bytes({1, 0, 0, 0, 5, 0, 0xE9, 0xC8, 0x00}))));
    ASSERT_EQ(prompter.messages.size(), 1u);
    // An escaped count of four thousand million entries in a 12-byte file.
    EXPECT_FALSE(map.load(written(bytes({1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xE9, 0xC8}))));
    EXPECT_EQ(prompter.messages.size(), 2u);
}

TEST_F(KeyMapFile, BytesAfterTheLastEntryAreIgnored)
{
    CKeyMap map = emptyMap();
    EXPECT_TRUE(map.load(written(smallMapFile + bytes({0x01, 0x00, 0x41, 0x00, 0xC4}))));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(map.keyToKeypad(65), std::optional<Byte>(0x41));
    EXPECT_EQ(map.keysOf(0xE9), (std::vector<Key>{18500, 200}));
    EXPECT_EQ(map.keypadToKey(0xE9), std::optional<Key>(18500));
}

TEST_F(KeyMapFile, MissingFilesAndFoldersReportTheSystemReason)
{
    CKeyMap map;
    const QString missing = path(QStringLiteral("nowhere/keymap.kpm"));
    EXPECT_FALSE(map.load(missing));
    EXPECT_FALSE(map.save(missing));
    ASSERT_EQ(prompter.messages.size(), 2u);
    for (const auto& message : prompter.messages) {
        EXPECT_EQ(message.title, QStringLiteral("ERROR"));
        EXPECT_EQ(message.icon, QMessageBox::Critical);
    }
    const QString native = QDir::toNativeSeparators(missing);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(native + QStringLiteral(": ")));
    EXPECT_GT(prompter.messages[0].text.size(), native.size() + 2);
    const QString unwritten = QStringLiteral("Cannot write the file ") + native + QStringLiteral(" : ");
    EXPECT_TRUE(prompter.messages[1].text.startsWith(unwritten)) << prompter.messages[1].text.toStdString();
    EXPECT_GT(prompter.messages[1].text.size(), unwritten.size());
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(map.keyToKeypad(65), std::optional<Byte>(0x41));
}

TEST_F(KeyMapFile, EntriesForBytesThatTextsReserveAreLeftOutAndNamed)
{
    CKeyMap map = emptyMap();
    // Representatives 0xE9 -> 200 and 0x0F -> 66; keys 200 -> 0xE9, 66 -> 0x0F, 67 -> 0x00.
    const QByteArray file = bytes({1, 0, 0, 0, 2, 0, 0xE9, 0xC8, 0x00, 0x0F, 0x42, 0x00,
                                   3, 0, 0xC8, 0x00, 0xE9, 0x42, 0x00, 0x0F, 0x43, 0x00, 0x00});
    EXPECT_FALSE(map.load(written(file)));
    ASSERT_EQ(prompter.messages.size(), 1u);
    const QString text = prompter.messages[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("in.kpm: the entry at byte 9 maps key 66 to 0x0f"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("It and 2 more such entries were left out."))) << text.toStdString();
    EXPECT_EQ(map.keyToKeypad(200), std::optional<Byte>(0xE9));
    for (Key key : {66, 67}) EXPECT_FALSE(map.isKeyMapped(key)) << key;
    for (Byte byte : {0x00, 0x0E, 0x0F}) EXPECT_FALSE(map.isCharMapped(byte)) << int(byte);
}

TEST_F(KeyMapFile, OnlyARegularFileOfAKeyMapsSizeIsRead)
{
    QByteArray largest = smallMapFile;
    largest.append(CKeyMap::kMaxFileSize - largest.size(), '\0');
    CKeyMap map = emptyMap();
    EXPECT_TRUE(map.load(written(largest)));
    EXPECT_EQ(map.keyToKeypad(18500), std::optional<Byte>(0xE9));
    EXPECT_FALSE(map.load(written(largest + '\0')));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.endsWith(
        QStringLiteral("in.kpm: holds 197,389 bytes, more than the largest key map (197,388 bytes)")))
        << prompter.messages[0].text.toStdString();

    const kpd::test::PipeWithWriter pipe(QFile::encodeName(path(QStringLiteral("keymap.kpm"))).toStdString());
    ASSERT_TRUE(pipe.made());
    EXPECT_FALSE(map.load(path(QStringLiteral("keymap.kpm"))));
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_TRUE(prompter.messages[1].text.endsWith(QStringLiteral("keymap.kpm: is a named pipe, not a regular file")))
        << prompter.messages[1].text.toStdString();
}

TEST_F(KeyMapFile, ALinkPlantedInTheFolderCannotCarryTheMapOutOfIt)
{
    QTemporaryDir outside;
    const QString victim = QDir(outside.path()).filePath(QStringLiteral("victim"));
    {
        QFile out(victim);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("not the map's to change");
    }
    const QString file = path(QStringLiteral("keymap.kpm"));
    ASSERT_TRUE(QFile::link(victim, file));
    EXPECT_FALSE(smallMap().save(file));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(QStringLiteral("Cannot write the file ") + file +
                                                     QStringLiteral(" : a symbolic link leads it out of the folder")))
        << prompter.messages[0].text.toStdString();
    QFile in(victim);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), QByteArray("not the map's to change"));
}

namespace {

using kpd::test::SafeWriteTest;

const std::vector<kpd::test::WriterUnderTest> kKeyMapWriter = {
    {"KeyMap", [](const std::string& path) {
         RecordingPrompter prompter;
         const bool written = smallMap().save(QString::fromLocal8Bit(path));
         return kpd::test::WriteOutcome{
             written, prompter.messages.empty() ? std::string() : prompter.messages.back().text.toStdString()};
     }, "keymap.kpm"},
};

TEST_P(SafeWriteTest, KeepsItsPromises)
{
    kpd::test::expectSafeWrite(writer(), fault());
}

INSTANTIATE_TEST_SUITE_P(KeyMapFile, SafeWriteTest,
                         testing::Combine(testing::ValuesIn(kKeyMapWriter),
                                          testing::ValuesIn(kpd::test::allWriteFaults())),
                         kpd::test::safeWriteName);

} // namespace
