#include "download/dlgnodeaddr.h"
#include "download/zvnapilibrary.h"
#include "startededitor.h"
#include "recordinguserinterface.h"
#include "shell/mainmenus.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

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
        if (auto* dialog = dynamic_cast<dlgNodeAddr*>(QApplication::activeModalWidget()))
            dialog->btnCancel()->click();
    });
    window->menus().connectDownload->trigger();
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
