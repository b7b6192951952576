#include "recordinguserinterface.h"
#include "startededitor.h"

#include "build/compress.h"
#include "model/theapp.h"
#include "shell/commands/setfilecommands.h"
#include "shell/drivedocument.h"
#include "shell/frame/mainmenus.h"
#include "shell/frame/mainwindow.h"

#include <QAction>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <random>
#include <utility>

using kpd::test::RecordingUserInterface;

namespace {

class BuildCommandsTest : public StartedEditor<> {
protected:
    void SetUp() override
    {
        StartedEditor<>::SetUp();
        ui.messages.clear();
    }

    std::int32_t builtSize()
    {
        kpd::Compress compress;
        compress.setData(*window->document().app(), window->document().hexBase());
        compress.compress();
        return compress.getTotalBytes();
    }

    // Help texts of long random words, enough to pass the keypad's 131,072 bytes.
    void fillBeyondTheKeypad()
    {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> letter('a', 'z');
        // Three records of two 24,000-byte texts: each record stays within its 16-bit length.
        for (const auto& [menu, para] : {std::pair{"m1", "p1"}, std::pair{"m1", "p2"}, std::pair{"m2", "p0"}}) {
            for (const char* mode : {"Open loop", "Closed loop"}) {
                std::string text;
                while (text.size() < 24000) {
                    for (int i = 0; i < 120; ++i) text += static_cast<char>(letter(random));
                    text += ' ';
                }
                window->document().app()->getCustMenus().Item(menu).Parameters().Item(para).modes().Item(mode).setHelp(
                    text);
            }
        }
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(BuildCommandsTest, CheckSizeReportsTheBytesLeft)
{
    const std::int32_t size = builtSize();
    ASSERT_GT(size, 1036);
    QAction* command = window->menus().driveCheckSize;
    ASSERT_TRUE(command->isEnabled());
    command->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The compressed database takes up " + std::to_string(size) + " bytes.\r\nYou have " +
                                       std::to_string(131072 - size) + " bytes left");
    EXPECT_EQ(ui.messages[0].title, "");
}

TEST_F(BuildCommandsTest, CheckSizeOfATooLargeDatabaseSaysHowMuchToCut)
{
    fillBeyondTheKeypad();
    const std::int32_t size = builtSize();
    ASSERT_GT(size, 131072);
    window->menus().driveCheckSize->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The compressed database takes up " + std::to_string(size) +
                                       " bytes.\r\nYou need to reduce its size by " + std::to_string(size - 131072) +
                                       " bytes");
}

TEST_F(BuildCommandsTest, SavedHexAndFlashingFilesHoldTheImage)
{
    const QString hex = folder.file(QStringLiteral("db.hex"));
    ASSERT_TRUE(window->setFileCommands().saveCompressedFile(hex, BuildCommands::ImageFile::IntelHex));
    const QByteArray text = read(hex);
    EXPECT_TRUE(text.startsWith(":020000040001F9\r\n")) << "the configuration's base is 65,536";
    EXPECT_TRUE(text.endsWith(":00000001FF\r\n"));

    const QString bin = folder.file(QStringLiteral("db.bin"));
    ASSERT_TRUE(window->setFileCommands().saveCompressedFile(bin, BuildCommands::ImageFile::Flashing));
    EXPECT_GE(read(bin).size(), builtSize());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BuildCommandsTest, ATooLargeDatabaseIsNeverWritten)
{
    fillBeyondTheKeypad();
    const QString hex = folder.file(QStringLiteral("db.hex"));
    folder.write(QStringLiteral("db.hex"), "old contents");
    EXPECT_FALSE(window->setFileCommands().saveCompressedFile(hex, BuildCommands::ImageFile::IntelHex));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The compressed string database is to large for the Keypad. \r\n"
                                   "You need to shorten or remove some strings. \r\n"
                                   "You can use the menu command Drive | Check size to help with this");
    EXPECT_EQ(read(hex), QByteArray("old contents"));
}

TEST_F(BuildCommandsTest, AnUnwritableTargetIsReportedNotThrown)
{
    const QString hex = folder.file(QStringLiteral("missing/db.hex"));
    EXPECT_FALSE(window->setFileCommands().saveCompressedFile(hex, BuildCommands::ImageFile::IntelHex));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "ERROR");
    EXPECT_NE(ui.messages[0].text.find("db.hex"), std::string::npos) << ui.messages[0].text;
}
