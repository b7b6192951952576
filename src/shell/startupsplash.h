#pragma once

class ShellUserInterface;
class SplashWindow;

// The splash window for the length of one start-up: shown with its first status before
// anything is read, closed however the start-up ends.
class StartupSplash {
public:
    explicit StartupSplash(ShellUserInterface& ui);
    ~StartupSplash();
    StartupSplash(const StartupSplash&) = delete;
    StartupSplash& operator=(const StartupSplash&) = delete;

private:
    ShellUserInterface& ui_;
    SplashWindow* splash_;
};
