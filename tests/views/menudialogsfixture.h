#pragma once

#include "recordinguserinterface.h"
#include "smalldrive.h"

#include "model/theapp.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>

// The small drive with three more menus laid out like m1 (m4, m5, m6), which the
// configuration lets m1 be cloned to, and the program folder in a temporary directory.
class MenuDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        kpd::test::buildSmallDrive(app);
        for (const char* set : {"English", "Custom"}) {
            kpd::DrvMenus& menus = app.stringDatas().Item(set).DrvMenus();
            for (const char* key : {"m4", "m5", "m6"}) {
                kpd::DrvMenu& menu = menus.Add(key);
                menu.setMenuName(std::string("Menu ") + key);
                menu.setModeNames(kpd::test::smallDriveModes(), false);
                for (const char* para : {"p1", "p2", "p3"}) {
                    menu.Parameters().Add(para);
                    menu.buildModes(para);
                }
            }
            for (std::int16_t target : {4, 5, 6}) menus.Item("m1").AddClone(target);
        }
    }

    kpd::DrvMenu& custom(const char* menu) { return app.getCustMenus().Item(menu); }
    kpd::ModeData& record(const char* menu, const char* para, const char* mode)
    {
        return custom(menu).Parameters().Item(para).modes().Item(mode);
    }
    std::string backup(const char* menuKey) const
    {
        return folder.filePath(QStringLiteral("autoBackup%1.kpd").arg(QLatin1String(menuKey))).toStdString();
    }

    // Runs work on the next turn of the event loop, which a modal dialog's exec() runs:
    // the dialog is driven from there, so the test never waits for a person.
    template <typename Dialog>
    static void whenModal(std::function<void(Dialog&)> work)
    {
        QTimer::singleShot(0, [work] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* dialog = qobject_cast<Dialog*>(modal);
            if (!dialog) {
                ADD_FAILURE() << "no dialog of the expected kind is open";
                if (modal) modal->close();
                return;
            }
            work(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
    }

    // Closes whatever modal window opens and tells whether one did; call settle() after
    // the action so that the check runs before the next test.
    void failOnModal()
    {
        modalSeen_ = false;
        QTimer::singleShot(0, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalSeen_ = true;
                modal->close();
            }
        });
    }
    bool settle()
    {
        QCoreApplication::processEvents();
        return modalSeen_;
    }

    bool modalSeen_ = false;
    QTemporaryDir folder;
    kpd::test::RecordingUserInterface ui;
    kpd::TheApp app{ui, folder.path().toStdString()};
};
