#include "activedownload.h"

#include "keypaddownload.h"
#include "model/userinterface.h"

void ActiveDownload::askToStopForClosing(kpd::UserInterface& ui)
{
    if (!running_ || stopRequested_) return;
    if (ui.message("A download to the keypad is in progress - do you want to stop it and quit?", "WARNING",
                   kpd::MessageIcon::Exclamation, kpd::MessageButtons::YesNo) != kpd::MessageAnswer::Yes)
        return;
    stopRequested_ = true;
    closeRequested_ = true;
    if (transfer_) transfer_->abort();
}

bool ActiveDownload::takeCloseRequest()
{
    if (running_ || !closeRequested_) return false;
    closeRequested_ = false;
    return true;
}

ActiveDownload::Running::Running(ActiveDownload& active) : active_(active)
{
    active_.running_ = true;
    active_.stopRequested_ = false;
    if (active_.listener_) active_.listener_(true);
}

ActiveDownload::Running::~Running()
{
    active_.transfer_ = nullptr;
    active_.running_ = false;
    if (active_.listener_) active_.listener_(false);
}

void ActiveDownload::Running::attach(kpd::KeypadDownload* transfer)
{
    active_.transfer_ = transfer;
    if (transfer && active_.stopRequested_) transfer->abort();
}
