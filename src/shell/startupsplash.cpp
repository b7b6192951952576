#include "startupsplash.h"

#include "shelluserinterface.h"
#include "splashwindow.h"

StartupSplash::StartupSplash(ShellUserInterface& ui) : ui_(ui), splash_(new SplashWindow)
{
    splash_->setAttribute(Qt::WA_DeleteOnClose);
    ui_.setSplash(splash_);
    ui_.splashStatus("Starting up");
    ui_.splashProgress(0);
    splash_->show();
    ui_.processEvents();
}

StartupSplash::~StartupSplash()
{
    ui_.setSplash(nullptr);
    splash_->close();
}
