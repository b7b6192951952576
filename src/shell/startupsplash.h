#pragma once

class DriveDocument;
class SplashWindow;

// The splash window for the length of one start-up: shown with its first status before
// anything is read, following the document's start-up steps, closed however the start-up
// ends.
class StartupSplash {
public:
    explicit StartupSplash(DriveDocument& document);
    ~StartupSplash();
    StartupSplash(const StartupSplash&) = delete;
    StartupSplash& operator=(const StartupSplash&) = delete;

private:
    SplashWindow* splash_;
};
