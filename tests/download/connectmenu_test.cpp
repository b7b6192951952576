#include "download/dlgnodeaddr.h"
#include "download/zvnapilibrary.h"
#include "librarytosimulator.h"
#include "recordinguserinterface.h"
#include "shell/frame/mainmenus.h"
#include "shell/frame/mainwindow.h"
#include "startededitor.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using kpd::MessageAnswer;
using kpd::test::RecordingUserInterface;

namespace {

// The Connect menu of the editor, with the network library found beside the program.
class ConnectMenu : public StartedEditor<> {
protected:
    void SetUp() override
    {
        StartedEditor<>::SetUp();
        ui.messages.clear();
    }
};

TEST_F(ConnectMenu, SetupCommsGivesTheLibraryTheEditorsSettingsAndOpensItsDialog)
{
    bool dialogShown = false;
    QTimer::singleShot(0, [&dialogShown] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialogShown = true;
            static_cast<QDialog*>(dialog)->reject();
        }
    });
    ASSERT_TRUE(window->menus().connectSetup->isEnabled());
    window->menus().connectSetup->trigger();
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(ui.messages.empty());

    // The library is loaded once per process: this view of it shares its settings.
    kpd::ZvnApiLibrary library({QCoreApplication::applicationDirPath().toStdString()});
    kpd::DriveNetwork::Settings settings{};
    kpd::DriveNetwork::ExtendedSettings extended{};
    library.KNR_GetParameters(settings);
    library.KNR_GetParametersEx(extended);
    EXPECT_EQ(settings[0], 3);
    EXPECT_EQ(extended[1], 6000);
    EXPECT_EQ(extended[2], 6000);
    EXPECT_EQ(extended[5], 6000);
}

TEST_F(ConnectMenu, DownloadAsksForTheNodeAddressThenForParameter4008)
{
    QString title;
    QTimer::singleShot(0, [&title] {
        auto* dialog = dynamic_cast<dlgNodeAddr*>(QApplication::activeModalWidget());
        if (!dialog) return;
        title = dialog->windowTitle();
        dialog->txtAddress()->setText(QStringLiteral("3"));
        dialog->btnDownload()->click();
    });
    ui.answers = {MessageAnswer::Cancel};
    ASSERT_TRUE(window->menus().connectDownload->isEnabled());
    window->menus().connectDownload->trigger();
    EXPECT_EQ(title, "Download");
    EXPECT_EQ(ui.texts(), std::vector<std::string>{
                              "If you have not already done so, please set parameter 40.08 to enabled, then press OK"});
}

TEST_F(ConnectMenu, ACancelledNodeAddressEndsTheDownload)
{
    QTimer::singleShot(0, [] {
        if (auto* dialog = dynamic_cast<dlgNodeAddr*>(QApplication::activeModalWidget())) dialog->btnCancel()->click();
    });
    window->menus().connectDownload->trigger();
    EXPECT_TRUE(ui.messages.empty());
}

// Lets the test act as the user would while the download waits: act runs each time the
// download lets events through, until it reports that it has acted.
struct ActingUserInterface : RecordingUserInterface {
    void processEvents() override
    {
        RecordingUserInterface::processEvents();
        if (act && act()) act = nullptr;
    }
    std::function<bool()> act;
};

// A download from the Connect menu to a keypad that does not answer, closed by the user
// as soon as the transfer has started.
class ClosingDuringADownload : public StartedEditor<ActingUserInterface> {
protected:
    void SetUp() override
    {
        StartedEditor<ActingUserInterface>::SetUp();
        window->show();
        ui.messages.clear();
        NodeSimulator::Config config;
        config.networkEnabled = false;
        keypad = std::make_unique<NodeSimulator>(config);
        ASSERT_NE(keypad->start(), 0);
        // Kept loaded until the editor has its own handle on the library and its settings.
        library = libraryTalkingTo(*keypad, QCoreApplication::applicationDirPath().toStdString());
        QTimer::singleShot(0, [] {
            if (auto* dialog = dynamic_cast<dlgNodeAddr*>(QApplication::activeModalWidget()))
                dialog->btnDownload()->click();
        });
        ui.act = [this] {
            if (ui.progressWindows.empty() || ui.progressWindows.back().caption != "Downloading to custom area")
                return false;
            const MainMenus& menus = window->menus();
            connectOffered = menus.connectDownload->isEnabled() || menus.connectSetup->isEnabled();
            window->close();
            return true;
        };
    }

    std::unique_ptr<NodeSimulator> keypad;
    std::unique_ptr<kpd::ZvnApiLibrary> library;
    bool connectOffered = true;
};

const char* const kStopToQuit = "A download to the keypad is in progress - do you want to stop it and quit?";

TEST_F(ClosingDuringADownload, AsksFirstAndNoLetsTheDownloadGoOnWithTheEditorOpen)
{
    ui.answers = {MessageAnswer::Ok, MessageAnswer::No};
    window->menus().connectDownload->trigger();
    ASSERT_GE(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[1].text, kStopToQuit);
    EXPECT_EQ(ui.messages[1].buttons, kpd::MessageButtons::YesNo);
    EXPECT_EQ(ui.texts().back(), "Could not find the keypad");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(connectOffered);
    EXPECT_TRUE(window->menus().connectDownload->isEnabled());
    EXPECT_TRUE(window->menus().connectSetup->isEnabled());
}

TEST_F(ClosingDuringADownload, YesStopsTheDownloadThenTheEditorCloses)
{
    ui.answers = {MessageAnswer::Ok, MessageAnswer::Yes};
    window->menus().connectDownload->trigger();
    EXPECT_EQ(ui.texts(),
              (std::vector<std::string>{
                  "If you have not already done so, please set parameter 40.08 to enabled, then press OK", kStopToQuit,
                  "The download has been stopped the keypad is now in an undefined state\r\n"
                  "You should download the whole database before trying to use the keypad"}));
    EXPECT_TRUE(keypad->requests().empty());
    EXPECT_TRUE(ui.progressWindows.back().closed);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
