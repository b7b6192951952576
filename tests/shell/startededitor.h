#pragma once

#include "drivefolder.h"
#include "recordinguserinterface.h"

#include "shell/commands/menufilecommands.h"
#include "shell/commands/setfilecommands.h"
#include "shell/drivedocument.h"
#include "shell/frame/mainwindow.h"
#include "shell/frame/menuwindowarea.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <memory>

// An editor started on a small drive folder, with the settings store emptied first, so
// each test begins as a first run would. The window goes before the interface it reports to.
template <typename Ui = kpd::test::RecordingUserInterface>
class StartedEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("VXKey pad tool"), QStringLiteral("VXKey pad tool")).clear();
        window = std::make_unique<MainWindow>(ui, folder.path());
        ASSERT_TRUE(window->load());
    }

    DriveFolder folder;
    Ui ui;
    std::unique_ptr<MainWindow> window;
};
