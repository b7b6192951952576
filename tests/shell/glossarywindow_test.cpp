#include "layoutcheck.h"
#include "recordinguserinterface.h"

#include "shell/keypaddisplaymimic.h"
#include "shell/panels/glossarywindow.h"
#include "shell/panels/shortformdialog.h"
#include "xmlfiles/tbxfile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using kpd::test::RecordingUserInterface;

QTableWidgetItem* cell(GlossaryWindow& window, int row, const QString& title)
{
    QTableWidget* terms = window.findChild<QTableWidget*>(QStringLiteral("lstTerms"));
    for (int column = 0; column < terms->columnCount(); ++column)
        if (terms->horizontalHeaderItem(column)->text() == title) return terms->item(row, column);
    return nullptr;
}

TEST(GlossaryWindow, EditsOfTheTableAreSavedAsATermBaseAndReadBackByTheNextWindow)
{
    QTemporaryDir folder;
    RecordingUserInterface ui;
    {
        GlossaryWindow window(ui, folder.path(), "en");
        window.show();
        EXPECT_TRUE(kpd::test::readableLayout(&window));
        EXPECT_TRUE(kpd::test::fitsScreen(&window));
        window.findChild<QComboBox*>(QStringLiteral("cboLanguage"))->setCurrentText(QStringLiteral("fr"));
        window.addTerm(QStringLiteral(" Speed  "), true);
        window.addTerm(QStringLiteral("Rampe"), false);
        cell(window, 0, QStringLiteral("fr"))->setText(QStringLiteral("Vitesse"));
        cell(window, 0, QStringLiteral("fr short"))->setText(QStringLiteral("Vit. ;  V.;"));
        cell(window, 0, QStringLiteral("fr forbidden"))->setText(QStringLiteral("V\u00e9locit\u00e9"));
        cell(window, 1, QStringLiteral("note"))->setText(QStringLiteral("Ramp"));

        window.findChild<QLineEdit*>(QStringLiteral("txtFilter"))->setText(QStringLiteral("VIT."));
        EXPECT_FALSE(window.terms()->isRowHidden(0));
        EXPECT_TRUE(window.terms()->isRowHidden(1));
        window.findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
        window.close();
        EXPECT_TRUE(ui.messages.empty()) << "saved: nothing to ask on closing";
    }
    const kpd::Glossary saved = kpd::TbxFile::load((folder.path() + QStringLiteral("/glossary.tbx")).toStdString());
    ASSERT_EQ(saved.terms().size(), 2u);
    const kpd::GlossaryForms french{"Vitesse", {"Vit.", "V."}, {}, {"V\xE9locit\xE9"}};
    EXPECT_EQ(*saved.terms()[0].forms("fr"), french);
    EXPECT_EQ(saved.terms()[0].forms("en")->full, "Speed");
    EXPECT_EQ(saved.terms()[1].note, "Ramp");

    GlossaryWindow again(ui, folder.path(), "en");
    again.show();
    EXPECT_EQ(again.language()->currentText(), QStringLiteral("fr")) << "the glossary's other language";
    EXPECT_EQ(cell(again, 0, QStringLiteral("fr short"))->text(), QStringLiteral("Vit.; V."));
    again.terms()->setCurrentCell(1, 0);
    again.removeSelected();
    ui.answers.push_back(kpd::MessageAnswer::No);
    again.findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Save the changes to the glossary?"});
    EXPECT_EQ(kpd::TbxFile::load((folder.path() + QStringLiteral("/glossary.tbx")).toStdString()).terms().size(), 2u);
}

TEST(GlossaryWindow, TheShortFormPreviewShowsBothTextsInKeypadLinesAndTheSaving)
{
    kpd::ShortFormFix::Proposal proposal;
    proposal.text = "Minimum speed~Mhyst settings";
    proposal.replacements = {{"hysteresis", "hyst"}};
    proposal.bytesSaved = 6;
    ShortFormDialog dialog("Minimum speed~Mhysteresis settings", proposal);
    dialog.show();
    EXPECT_TRUE(kpd::test::readableLayout(&dialog));
    EXPECT_EQ(dialog.before()->line(2), QStringLiteral("ngs")) << "three cells too many take a third line";
    EXPECT_EQ(dialog.after()->line(1), QStringLiteral("hyst settings"));
    EXPECT_EQ(dialog.saving()->text(), QStringLiteral("Saves 6 bytes"));
    EXPECT_EQ(ShortFormDialog::savingText(-1), QStringLiteral("Costs 1 byte"));
}

} // namespace
