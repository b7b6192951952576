#include "download/dlgnodeaddr.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class NodeAddressDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.setModal(false);
        dialog.show();
    }

    QString typed(const QString& keys)
    {
        dialog.txtAddress()->clear();
        QTest::keyClicks(dialog.txtAddress(), keys);
        return dialog.address();
    }

    bool promptIsBoldRed() const
    {
        const QLabel* prompt = dialog.lblPrompt();
        const bool red = prompt->palette().color(QPalette::WindowText) == QColor(Qt::red);
        EXPECT_EQ(prompt->font().bold(), red);
        return red;
    }

    dlgNodeAddr dialog;
};

TEST_F(NodeAddressDialog, OpensWithAddressOneAndNothingConfirmed)
{
    EXPECT_EQ(dialog.address(), "1");
    EXPECT_FALSE(dialog.confirmed());
    EXPECT_EQ(dialog.windowTitle(), "Download");
}

TEST_F(NodeAddressDialog, TheAddressIsHeldBetweenOneAnd255AndThreeDigits)
{
    EXPECT_EQ(typed("0"), "1");
    EXPECT_EQ(typed("300"), "255");
    EXPECT_EQ(typed("1234"), "123");
    EXPECT_EQ(typed("255"), "255");
    EXPECT_EQ(typed("256"), "255");
    // The leading zero already reads below one, so it becomes 1 before the rest comes.
    EXPECT_EQ(typed("007"), "107");
}

TEST_F(NodeAddressDialog, LettersNeverAppearButControlKeysWork)
{
    EXPECT_EQ(typed("a"), "");
    EXPECT_EQ(typed("4x2 "), "42");
    QTest::keyClick(dialog.txtAddress(), Qt::Key_Backspace);
    EXPECT_EQ(dialog.address(), "4");
    QTest::keyClick(dialog.txtAddress(), Qt::Key_Backspace);
    EXPECT_EQ(dialog.address(), "");
}

TEST_F(NodeAddressDialog, PastedTextIsHeldToTheSameRules)
{
    dialog.txtAddress()->setText(QStringLiteral("abc"));
    EXPECT_EQ(dialog.address(), "1");
    dialog.txtAddress()->setText(QStringLiteral("99999"));
    EXPECT_EQ(dialog.address(), "255");
}

TEST_F(NodeAddressDialog, TheArrowsStepWithinTheRange)
{
    dialog.txtAddress()->setText(QStringLiteral("254"));
    dialog.btnUp()->click();
    dialog.btnUp()->click();
    EXPECT_EQ(dialog.address(), "255");
    dialog.txtAddress()->setText(QStringLiteral("2"));
    dialog.btnDown()->click();
    dialog.btnDown()->click();
    EXPECT_EQ(dialog.address(), "1");
}

TEST_F(NodeAddressDialog, DownloadConfirmsANumberAndCloses)
{
    typed("42");
    dialog.btnDownload()->click();
    EXPECT_TRUE(dialog.confirmed());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.address(), "42");
}

TEST_F(NodeAddressDialog, CancelLeavesItUnconfirmed)
{
    dialog.btnCancel()->click();
    EXPECT_FALSE(dialog.confirmed());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(NodeAddressDialog, AnEmptyAddressFlashesThePromptForAboutFiveSecondsAndStaysOpen)
{
    typed("");
    dialog.btnDownload()->click();
    EXPECT_FALSE(dialog.confirmed());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.flashing());

    std::vector<bool> boldRed;
    for (int tick = 0; tick < dlgNodeAddr::kFlashTicks; ++tick) {
        dialog.onFlashTick();
        EXPECT_EQ(dialog.lblPrompt()->text(), "Invalid node address") << tick;
        boldRed.push_back(promptIsBoldRed());
    }
    EXPECT_EQ(boldRed, (std::vector<bool>{false, true, false, true, false, true, false, true, false, true}));
    EXPECT_TRUE(dialog.flashing());

    dialog.onFlashTick();
    EXPECT_FALSE(dialog.flashing());
    EXPECT_EQ(dialog.lblPrompt()->text(), "Please enter node address (1 - 255)");
    EXPECT_FALSE(promptIsBoldRed());

    // A second wrong try flashes again from the start.
    dialog.btnDownload()->click();
    dialog.onFlashTick();
    EXPECT_EQ(dialog.lblPrompt()->text(), "Invalid node address");
    EXPECT_FALSE(dialog.confirmed());
}

} // namespace
