#include "startededitor.h"

#include "shell/backgroundanalysis.h"
#include "shell/commands/translationmenucommands.h"
#include "shell/drivedocument.h"
#include "shell/panels/comparewindow.h"
#include "shell/panels/translationexportdialog.h"

#include "exchange/translationreader.h"
#include "model/theapp.h"

#include "layoutcheck.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>

#include <fstream>

namespace {

class TranslationMenuTest : public StartedEditor<> {
protected:
    void SetUp() override
    {
        previousRegistry_ = qgetenv("KPD_COMRT_REGISTRY");
        qputenv("KPD_COMRT_REGISTRY", registryDir_.filePath(QStringLiteral("registry.json")).toLocal8Bit());
        StartedEditor<>::SetUp();
    }
    void TearDown() override
    {
        window.reset();
        qputenv("KPD_COMRT_REGISTRY", previousRegistry_);
    }
    TranslationMenuCommands commands() { return TranslationMenuCommands(window->document(), window.get()); }
    kpd::ModeData& custom(const char* menu, const char* para, const char* mode = "Open loop")
    {
        return window->document().app()->getCustMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }

    QTemporaryDir registryDir_;
    QByteArray previousRegistry_;
};

TEST_F(TranslationMenuTest, TheExportDialogWritesTheChosenFormatWithTheCustomTextsAgainstTheReference)
{
    TranslationExportDialog dialog({QStringLiteral("English"), QStringLiteral("French")});
    dialog.show();
    EXPECT_TRUE(kpd::test::readableLayout(&dialog));
    EXPECT_TRUE(kpd::test::fitsScreen(&dialog));
    QPushButton* ok = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Export")) ok = button;
    ASSERT_NE(ok, nullptr);
    dialog.setSelection(kpd::ExportSelection::ChangedSince);
    dialog.setFile(folder.file(QStringLiteral("de.po")));
    EXPECT_FALSE(ok->isEnabled()) << "changed since needs a base file";
    dialog.setSelection(kpd::ExportSelection::All);
    EXPECT_TRUE(ok->isEnabled());
    dialog.setFormat(kpd::ExchangeFormat::Po);

    ASSERT_TRUE(commands().exportAs(dialog)) << ui.texts().back();
    const kpd::TranslationFile file = kpd::TranslationReader::read(folder.file(QStringLiteral("de.po")).toStdString());
    EXPECT_EQ(file.format, kpd::ExchangeFormat::Po);
    EXPECT_EQ(file.sourceLanguage, "en");
    ASSERT_FALSE(file.units.empty());
    EXPECT_EQ(file.units[0].id, "m1.p1.Open_20loop.desc");
    EXPECT_EQ(file.units[0].source, "Speed ref");
    EXPECT_EQ(file.units[0].target, "Custom ref");

    // The font comes from beside the program; where the build could not write it the
    // export says so and writes nothing.
    dialog.findChild<QCheckBox*>(QStringLiteral("chkFont"))->setChecked(true);
    dialog.setFile(folder.file(QStringLiteral("de2.po")));
    const bool fontBuilt = QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/keypad-lcd.ttf"));
    EXPECT_EQ(commands().exportAs(dialog), fontBuilt);
    EXPECT_EQ(QFile::exists(folder.file(QStringLiteral("keypad-lcd.ttf"))), fontBuilt);
    EXPECT_EQ(QFile::exists(folder.file(QStringLiteral("de2.po"))), fontBuilt);
}

TEST_F(TranslationMenuTest, AnImportOpensTheComparisonWithTheTranslationAsTheirsAndTakingItCanBeUndone)
{
    const QString po = folder.file(QStringLiteral("de.po"));
    std::ofstream(po.toStdString(), std::ios::binary)
        << "msgctxt \"m1.p1.Open_20loop.desc\"\nmsgid \"Speed ref\"\nmsgstr \"Sollwert\"\n\n"
           "msgctxt \"m1.p1.Open_20loop.help\"\nmsgid \"Help\"\nmsgstr \""
        << std::string(101, 'h') << "\"\n";
    CompareWindow* compare = commands().importFile(po);
    ASSERT_NE(compare, nullptr);
    ASSERT_TRUE(compare->analysis().waitUntilIdle(10000));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.texts()[0].find("refused m1.p1.Open_20loop.help: 101 characters, at most 100"), std::string::npos);
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Custom ref") << "nothing changes before it is taken";
    ASSERT_EQ(compare->differences().size(), 1u);
    EXPECT_EQ(compare->differences()[0].theirs.desc, "Sollwert");

    compare->tree()->setCurrentIndex(compare->model().index(0, 0));
    compare->takeSelected(kpd::Side::Theirs);
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Sollwert");
    EXPECT_EQ(custom("m1", "p1").undoD(), "Custom ref");
}

TEST_F(TranslationMenuTest, AFileThatIsNoTranslationIsRefusedNamingFileAndLineAndOpensNothing)
{
    const QString bad = folder.file(QStringLiteral("bad.xlf"));
    std::ofstream(bad.toStdString(), std::ios::binary) << "<xliff version=\"1.2\">\n<file>\n</xliff>\n";
    EXPECT_EQ(commands().importFile(bad), nullptr);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.texts()[0].rfind(bad.toStdString() + ":3:", 0), 0u) << ui.texts()[0];
}

} // namespace
