#include "lcdtextbox/clcdtextboxctrl.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Cells of 12 × 18 pixels: the gap row under the glyph dots is pixels 16-17 of a cell, and a
// dot is 2 pixels wide.
constexpr int markCellWidth = 12;
constexpr int markGapRow = 16;
constexpr QRgb markBack = 0x336699;
constexpr QRgb markRed = 0xE00000;

class TextBoxSpelling : public ::testing::Test {
protected:
    TextBoxSpelling()
    {
        box.resize(16 * markCellWidth, 2 * 18);
        box.setBackColor(QColor::fromRgb(markBack));
        box.setText("Motor speeed");
        box.setSpellCheck(true);
        box.setMisspelledWords("6 12");
        // The host answers while the control waits, as the editor does through the event.
        QObject::connect(&box, &CLcdtextboxCtrl::SuggestionsWanted, &box, [this](const QString& word) {
            asked = word;
            box.setSpellingSuggestions("speed\nspeeds");
        });
    }

    QRgb at(int x, int y)
    {
        QImage image(box.size(), QImage::Format_RGB32);
        box.render(&image);
        return image.pixel(x, y) & 0xFFFFFF;
    }

    QStringList captions(int index)
    {
        menu.reset(box.createContextMenu(nullptr, index));
        QStringList texts;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) texts << action->text();
        return texts;
    }

    QAction* action(const QString& text)
    {
        for (QAction* a : menu->actions())
            if (a->text() == text) return a;
        return nullptr;
    }

    CLcdtextboxCtrl box;
    std::unique_ptr<QMenu> menu;
    QString asked;
};

} // namespace

TEST_F(TextBoxSpelling, AMarkedWordIsUnderlinedWithDotsOnlyWhileSpellCheckIsOn)
{
    EXPECT_EQ(at(6 * markCellWidth, markGapRow), markRed);          // the marked word's first cell
    EXPECT_EQ(at(6 * markCellWidth + 2, markGapRow), markBack);     // between two dots
    EXPECT_EQ(at(11 * markCellWidth + 4, markGapRow + 1), markRed); // its last cell
    EXPECT_EQ(at(5 * markCellWidth, markGapRow), markBack);         // the space before it
    EXPECT_NE(at(12 * markCellWidth, markGapRow), markRed);         // past it
    box.setSpellCheck(false);
    EXPECT_EQ(at(6 * markCellWidth, markGapRow), markBack);
    box.setSpellCheck(true);
    box.setText("Motor speed");
    EXPECT_EQ(at(6 * markCellWidth, markGapRow), markBack) << "a new text drops the old marks";
}

TEST_F(TextBoxSpelling, TheContextMenuOverAMarkedWordOffersTheHostsSuggestionsFirst)
{
    EXPECT_EQ(captions(2).first(), "Cu&t (ctrl-X)") << "no spelling items off the word";
    EXPECT_TRUE(asked.isEmpty());
    const QStringList items = captions(8);
    EXPECT_EQ(asked, "speeed");
    ASSERT_GE(items.size(), 5);
    EXPECT_EQ(items.mid(0, 5), QStringList({"speed", "speeds", "Add to word list", "Ignore", "Cu&t (ctrl-X)"}));

    QSignalSpy changed(&box, &CLcdtextboxCtrl::Change);
    action("speeds")->trigger();
    EXPECT_EQ(box.text(), "Motor speeds");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(box.misspelledWords().isEmpty());
}

TEST_F(TextBoxSpelling, AddingOrIgnoringAWordDropsItsMarksAndTellsTheHost)
{
    box.setText("speeed speeed ok");
    box.setMisspelledWords("0 6;7 13");
    QSignalSpy added(&box, &CLcdtextboxCtrl::AddWord);
    captions(0);
    action("Add to word list")->trigger();
    ASSERT_EQ(added.count(), 1);
    EXPECT_EQ(added.first().first().toString(), "speeed");
    EXPECT_TRUE(box.misspelledWords().isEmpty()) << "both uses of the word";

    box.setMisspelledWords("14 16");
    QSignalSpy ignored(&box, &CLcdtextboxCtrl::IgnoreWord);
    box.setSpellingSuggestions({});
    QObject::disconnect(&box, &CLcdtextboxCtrl::SuggestionsWanted, nullptr, nullptr);
    EXPECT_EQ(captions(15).mid(0, 3), QStringList({"(no suggestions)", "Add to word list", "Ignore"}));
    EXPECT_FALSE(menu->actions().first()->isEnabled());
    action("Ignore")->trigger();
    EXPECT_EQ(ignored.count(), 1);
}
