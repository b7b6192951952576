#include "recordinguserinterface.h"
#include "shell/frame/aboutwindow.h"
#include "shell/splashwindow.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(SplashWindow, PhrasesCycleEverySixTicks)
{
    SplashWindow splash;
    const QStringList expected{"Frequency Reference",    "Your param name ",      "Frequence Reference",
                               "Frequenz Sollwertkreis", "Referencia frecuencia", "Riferimento frequenza"};
    for (int round = 0; round < 2; ++round) {
        for (const QString& phrase : expected) {
            splash.animate();
            EXPECT_EQ(splash.secondLine(), phrase);
        }
    }
    EXPECT_EQ(splash.phraseCounter(), 0);
}

TEST(SplashWindow, KeysAndClicksNeitherCloseNorInterrupt)
{
    SplashWindow splash;
    splash.show();
    splash.setStatus(QStringLiteral("Loading constants"));
    QTest::keyClick(&splash, Qt::Key_Escape);
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.status(), QStringLiteral("Loading constants"));
}

TEST(AboutWindow, ShowsTheVersionAndReportsAMissingSystemInformationProgram)
{
    kpd::test::RecordingUserInterface ui;
    AboutWindow about(ui);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Veltrane VX Keypad String Editor"));
    EXPECT_EQ(about.versionText(), QStringLiteral("Version 1.5.0"));
    EXPECT_TRUE(AboutWindow::findSystemInfoProgram({QStringLiteral("no-such-program-here")}).isEmpty());
    EXPECT_FALSE(
        AboutWindow::findSystemInfoProgram({QStringLiteral("no-such-program"), QStringLiteral("sh")}).isEmpty());
}
