#include "tempregistry.h"
#include "writefaults.h"

#include "comrt/comregistry.h"

#include <gtest/gtest.h>

using comrt::ComRegistry;
namespace result = comrt::result;

TEST(Registry, FollowsTheEnvironmentVariable)
{
    const TempRegistry temp;
    EXPECT_EQ(ComRegistry::defaultPath(), temp.path());
    EXPECT_EQ(ComRegistry().path(), temp.path());
}

TEST(Registry, MissingFileIsAnEmptyRegistry)
{
    const TempRegistry temp;
    ComRegistry registry;
    EXPECT_EQ(registry.load(), result::ok);
    EXPECT_TRUE(registry.keys().isEmpty());
}

TEST(Registry, ValuesSurviveSaveAndLoad)
{
    const TempRegistry temp;
    ComRegistry written;
    ASSERT_EQ(written.load(), result::ok);
    written.setValue(QStringLiteral("A\\B"), QString(), QStringLiteral("default"));
    written.setValue(QStringLiteral("A\\B"), QStringLiteral("Named"), QStringLiteral("x y"));
    written.setValue(QStringLiteral("Empty"), QString(), QString());
    ASSERT_EQ(written.save(), result::ok);

    ComRegistry read;
    ASSERT_EQ(read.load(), result::ok);
    EXPECT_EQ(read.value(QStringLiteral("A\\B")), QStringLiteral("default"));
    EXPECT_EQ(read.value(QStringLiteral("A\\B"), QStringLiteral("Named")), QStringLiteral("x y"));
    EXPECT_TRUE(read.hasKey(QStringLiteral("Empty")));
    EXPECT_FALSE(read.hasKey(QStringLiteral("A")));
    EXPECT_EQ(read.keys(), written.keys());
}

TEST(Registry, SavingWhatWasNeverLoadedIsRefused)
{
    const TempRegistry temp;
    temp.write("{\"Other\": {\"\": \"kept\"}}");
    ComRegistry registry;
    registry.setValue(QStringLiteral("Mine"), QString(), QStringLiteral("1"));
    EXPECT_EQ(registry.save(), result::registryAccess);
    EXPECT_EQ(temp.bytes(), QByteArray("{\"Other\": {\"\": \"kept\"}}"));
}

TEST(Registry, DeleteTreeTakesTheKeyAndItsDescendantsOnly)
{
    ComRegistry registry(QStringLiteral("unused"));
    for (const char* key : {"A", "A\\B", "A\\B\\C", "AB", "A\\BC", "B"})
        registry.setValue(QString::fromLatin1(key), QString(), QStringLiteral("1"));
    registry.deleteTree(QStringLiteral("A\\B"));
    EXPECT_EQ(registry.keys().keys(), (QStringList{"A", "AB", "A\\BC", "B"}));
    EXPECT_TRUE(registry.hasSubKeys(QStringLiteral("A")));
    EXPECT_FALSE(registry.hasSubKeys(QStringLiteral("AB")));
}

TEST(Registry, DamagedFileIsNeverOverwritten)
{
    const TempRegistry temp;
    for (const QByteArray& damaged : {QByteArray("{\"A\": {\"\": \"1\""), QByteArray("[1, 2]"),
                                      QByteArray("{\"A\": 5}")}) {
        temp.write(damaged);
        ComRegistry registry;
        EXPECT_EQ(registry.load(), result::registryAccess) << damaged.constData();
        registry.setValue(QStringLiteral("X"), QString(), QStringLiteral("1"));
        EXPECT_EQ(registry.save(), result::registryAccess);
        EXPECT_EQ(temp.bytes(), damaged);
    }
}

TEST(Registry, GuidsAreSpelledUpperCaseInBraces)
{
    EXPECT_EQ(ComRegistry::keyOf(QUuid(QStringLiteral("{a55a6798-60b0-4249-83ae-73eb8b65236f}"))),
              QStringLiteral("{A55A6798-60B0-4249-83AE-73EB8B65236F}"));
}

TEST(ResultCodes, PrintAsEightHexDigits)
{
    EXPECT_EQ(comrt::formatResult(0), QStringLiteral("0x00000000"));
    EXPECT_EQ(comrt::formatResult(result::selfRegTypeLib), QStringLiteral("0x80040200"));
    EXPECT_EQ(comrt::formatResult(result::propertyReadOnly), QStringLiteral("0x800A017F"));
    EXPECT_EQ(comrt::describeResult(result::propertyReadOnly), QStringLiteral("Property is read-only"));
    EXPECT_EQ(comrt::describeResult(0x12345), QStringLiteral("Unknown error 0x00012345"));
    EXPECT_TRUE(comrt::succeeded(result::falseOk));
    EXPECT_FALSE(comrt::succeeded(result::selfRegClass));
}

namespace {

using kpd::test::SafeWriteTest;

// A registration added to a registry that holds an earlier one: a failed save must keep it.
const std::vector<kpd::test::WriterUnderTest> kRegistryWriter = {
    {"Registry",
     [](const std::string& path) {
         ComRegistry registry(QString::fromLocal8Bit(path));
         if (registry.load() != result::ok) return kpd::test::WriteOutcome{false, "the old registry did not load"};
         registry.setValue(QStringLiteral("CLSID\\{NEW}"), QString(), QStringLiteral("added"));
         QString failure;
         const bool written = registry.save(&failure) == result::ok;
         return kpd::test::WriteOutcome{written, failure.toStdString()};
     },
     "registry.json", true, "{\"CLSID\\\\{EARLIER}\": {\"\": \"registered before\"}}"},
};

TEST_P(SafeWriteTest, KeepsItsPromises)
{
    kpd::test::expectSafeWrite(writer(), fault());
}

INSTANTIATE_TEST_SUITE_P(Registry, SafeWriteTest,
                         testing::Combine(testing::ValuesIn(kRegistryWriter),
                                          testing::ValuesIn(kpd::test::allWriteFaults())),
                         kpd::test::safeWriteName);

} // namespace
