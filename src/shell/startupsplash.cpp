#include "startupsplash.h"

#include "drivedocument.h"
#include "splashwindow.h"

StartupSplash::StartupSplash(DriveDocument& document) : splash_(new SplashWindow)
{
    splash_->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(&document, &DriveDocument::startupStatus, splash_, &SplashWindow::setStatus);
    QObject::connect(&document, &DriveDocument::startupProgress, splash_, &SplashWindow::setProgress);
    document.splashStatus("Starting up");
    document.splashProgress(0);
    splash_->show();
    document.ui().processEvents();
}

StartupSplash::~StartupSplash()
{
    splash_->close();
}
