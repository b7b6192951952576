#include "views/menuwindows.h"

#include "recordinguserinterface.h"

#include <gtest/gtest.h>

#include <memory>

using namespace kpd;

namespace {

struct FakeWindow;
using FakeWindows = menuWindows<FakeWindow>;

struct FakeWindow {
    std::string key;
    bool focus = false;
    int raised = 0;
    bool closed = false;
    FakeWindows* list = nullptr;

    bool haveFocus() const { return focus; }
    void bringToFront() { ++raised; }
    // A window takes itself out of the list when it closes.
    void closeWindow()
    {
        closed = true;
        list->Remove(key);
    }
};

class MenuWindowList : public ::testing::Test {
protected:
    FakeWindow* create(const std::string& key)
    {
        if (key == "broken") throw ModelError(ModelError::SubscriptOutOfRange, "no such menu");
        ++created;
        auto window = std::make_unique<FakeWindow>();
        window->key = key;
        window->list = &windows;
        storage.push_back(std::move(window));
        return storage.back().get();
    }

    test::RecordingUserInterface ui;
    std::vector<std::unique_ptr<FakeWindow>> storage;
    int created = 0;
    FakeWindows windows{ui, [this](const std::string& key) { return create(key); }};
};

} // namespace

TEST_F(MenuWindowList, ARepeatedKeyBringsTheOpenWindowForward)
{
    FakeWindow* first = windows.Add("m1");
    FakeWindow* again = windows.Add("m1");
    EXPECT_EQ(first, again);
    EXPECT_EQ(created, 1);
    EXPECT_EQ(first->raised, 1);
    EXPECT_EQ(windows.Count(), 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MenuWindowList, FocusIsTheLastWindowClaimingIt)
{
    EXPECT_EQ(windows.getFormInFocus(), nullptr);
    FakeWindow* a = windows.Add("m1");
    FakeWindow* b = windows.Add("m2");
    windows.Add("m3");
    a->focus = true;
    EXPECT_EQ(windows.getFormInFocus(), a);
    b->focus = true;
    EXPECT_EQ(windows.getFormInFocus(), b);
}

TEST_F(MenuWindowList, RemoveAllClosesEveryWindowEvenAsTheyLeaveTheList)
{
    windows.Add("m1");
    windows.Add("m2");
    windows.Add("trips");
    windows.removeAll();
    EXPECT_EQ(windows.Count(), 0);
    for (const auto& w : storage) EXPECT_TRUE(w->closed) << w->key;
}

TEST_F(MenuWindowList, AFailureToCreateShowsTheErrorNumber)
{
    EXPECT_EQ(windows.Add("broken"), nullptr);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error: 9");
    EXPECT_EQ(windows.Count(), 0);
}
