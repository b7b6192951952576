#pragma once

#include "drivefolder.h"
#include "recordinguserinterface.h"

#include "model/theapp.h"
#include "shell/commands/menufilecommands.h"
#include "shell/commands/setfilecommands.h"
#include "shell/drivedocument.h"
#include "shell/filechooser.h"
#include "shell/frame/mainwindow.h"
#include "shell/frame/menuwindowarea.h"

#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Answers the file dialogs from a script and keeps what each dialog was asked to show.
class ScriptedChooser : public FileChooser {
public:
    struct Script {
        std::vector<Request> requests;
        std::vector<Choice> answers;
    };

    explicit ScriptedChooser(Script& script) : script_(script) {}

    Choice choose(const Request& request) override
    {
        script_.requests.push_back(request);
        if (script_.answers.empty()) return {};
        Choice answer = script_.answers.front();
        script_.answers.erase(script_.answers.begin());
        return answer;
    }

private:
    Script& script_;
};

// A started editor on a small drive whose file dialogs are scripted.
class FileCommandsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("VXKey pad tool"), QStringLiteral("VXKey pad tool")).clear();
        window = std::make_unique<MainWindow>(ui, folder.path());
        ASSERT_TRUE(window->load());
        const auto chooser = std::make_shared<ScriptedChooser>(dialogs);
        window->setFileCommands().setChooser(chooser);
        window->menuFileCommands().setChooser(chooser);
        ui.messages.clear();
    }

    SetFileCommands& commands() { return window->setFileCommands(); }
    MenuFileCommands& menuCommands() { return window->menuFileCommands(); }

    kpd::ModeData& custom(const char* menu, const char* para, const char* mode = "Open loop")
    {
        return window->document().app()->getCustMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }
    kpd::ModeData& reference(const char* menu, const char* para, const char* mode = "Open loop")
    {
        return window->document().app()->getRefMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }

    void answerFile(const QString& name, int filter = 1) { dialogs.answers.push_back({name, filter}); }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    DriveFolder folder;
    kpd::test::RecordingUserInterface ui;
    ScriptedChooser::Script dialogs;
    std::unique_ptr<MainWindow> window;
};
