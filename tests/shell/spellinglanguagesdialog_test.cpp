#include "layoutcheck.h"
#include "recordinguserinterface.h"
#include "smalldrive.h"

#include "shell/frame/spellinglanguagesdialog.h"

#include "model/theapp.h"

#include <QComboBox>

#include <gtest/gtest.h>

// The drive has the sets "English" (reference) and "Custom".
TEST(ShellLayoutSpellingLanguages, EachSetOffersItsDefaultAndTheInstalledDictionariesAndKeepsWhatIsChosen)
{
    kpd::test::RecordingUserInterface ui;
    kpd::TheApp app(ui, ".");
    kpd::test::buildSmallDrive(app);
    const std::vector<std::string> offered{"de_DE", "en_US", "fr_FR"};
    SpellingLanguagesDialog dialog(app, kpd::SpellingLanguages::parse("Custom=fr_FR\n"), offered);
    dialog.show();
    EXPECT_TRUE(kpd::test::readableLayout(&dialog));
    EXPECT_TRUE(kpd::test::fitsScreen(&dialog));

    int english = -1;
    int custom = -1;
    int row = 0;
    for (const kpd::stringData& set : app.stringDatas()) {
        if (set.dbKey() == "English") english = row;
        if (set.dbKey() == "Custom") custom = row;
        ++row;
    }
    ASSERT_TRUE(english >= 0 && custom >= 0);
    EXPECT_EQ(dialog.combo(english)->itemText(0), "Default: en_US");
    EXPECT_EQ(dialog.combo(english)->count(), 4);
    EXPECT_EQ(dialog.combo(custom)->currentText(), "fr_FR");

    dialog.combo(english)->setCurrentText("de_DE");
    dialog.combo(custom)->setCurrentIndex(0);
    const kpd::SpellingLanguages chosen = dialog.chosen();
    EXPECT_EQ(chosen.chosen("English"), "de_DE");
    EXPECT_EQ(chosen.chosen("Custom"), "") << "back to the default";
    EXPECT_EQ(chosen.languageOf(app, "Custom", offered), "de_DE") << "the custom set follows the reference";
}
