#pragma once

#include "tempregistry.h"

#include "comrt/comruntime.h"
#include "comrt/dispatchobject.h"
#include "comrt/eventsink.h"
#include "lcdtextbox/charmaprunner.h"
#include "lcdtextbox/lcdprompts.h"
#include "lcdtextbox/lcdtextboxids.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Answers the control's message boxes with Ok and records them.
class AnsweringPrompter : public lcd::Prompter {
public:
    QMessageBox::StandardButton message(QWidget*, const QString& text, const QString&, QMessageBox::Icon,
                                        QMessageBox::StandardButtons) override
    {
        messages.push_back(text);
        return QMessageBox::Ok;
    }
    bool askText(QWidget*, const QString&, const QString&, QString&) override { return false; }

    std::vector<QString> messages;
};

// Records every event an object raises.
class RecordingSink : public comrt::EventSink {
public:
    void fire(comrt::DispId event, const QVariantList& args) override { events.push_back({event, args}); }
    std::vector<std::pair<comrt::DispId, QVariantList>> events;
};

// A keypad text box created through the runtime by class id from a temporary registry,
// with the test's sink connected and no dialog able to block.
class ControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lcd::setPrompter(&prompter);
        CharMapRunner::setRunner([this](const CharMapRunner::Request& request) {
            charMapModes.push_back(request.mode);
            return charMapAnswer;
        });
        const QString library = QFileInfo(QStringLiteral(LCDTEXTBOX_LIBRARY)).canonicalFilePath();
        ASSERT_EQ(comrt::ComRuntime::registerServer(library), comrt::result::ok);
        ASSERT_EQ(comrt::ComRuntime::create(lcdtextbox::ids::controlClass, nullptr, object), comrt::result::ok);
        object->advise(&sink);
    }

    void TearDown() override
    {
        object.reset();
        CharMapRunner::setRunner({});
        lcd::setPrompter(nullptr);
    }

    QVariant get(comrt::DispId id)
    {
        QVariant value;
        EXPECT_EQ(object->getProperty(id, value), comrt::result::ok) << "get " << id;
        return value;
    }
    void set(comrt::DispId id, const QVariant& value)
    {
        EXPECT_EQ(object->setProperty(id, value), comrt::result::ok) << "set " << id;
    }
    QVariant call(comrt::DispId id, QVariantList args = {})
    {
        QVariant result;
        EXPECT_EQ(object->invoke(id, args, result), comrt::result::ok) << "invoke " << id;
        return result;
    }

    TempRegistry registry;
    AnsweringPrompter prompter;
    RecordingSink sink;
    CharMapRunner::Result charMapAnswer;
    std::vector<int> charMapModes;
    std::unique_ptr<comrt::DispatchObject> object;
};
