#include "qtdialogs.h"

#include "frmprogress.h"
#include "modeltext/modeltext.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <cstdlib>

namespace {

class ProgressWindowAdapter : public kpd::ProgressWindow {
public:
    explicit ProgressWindowAdapter(frmProgress* window) : window_(window) {}
    ~ProgressWindowAdapter() override { close(); }
    void setRange(std::int32_t range) override
    {
        if (window_) window_->setRange(range);
    }
    void stopProgress() override
    {
        if (window_) window_->stopProgress();
    }
    void setStatus(const std::string& text) override
    {
        if (window_) window_->setStatus(toQt(text));
    }
    void close() override
    {
        if (!window_) return;
        window_->closeByOwner();
        window_->deleteLater();
        window_ = nullptr;
    }

private:
    QPointer<frmProgress> window_;
};

} // namespace

kpd::MessageAnswer QtDialogs::message(const std::string& text, const std::string& title, kpd::MessageIcon icon,
                                      kpd::MessageButtons buttons)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case kpd::MessageIcon::Critical: boxIcon = QMessageBox::Critical; break;
    case kpd::MessageIcon::Question: boxIcon = QMessageBox::Question; break;
    case kpd::MessageIcon::Exclamation: boxIcon = QMessageBox::Warning; break;
    case kpd::MessageIcon::Information: boxIcon = QMessageBox::Information; break;
    case kpd::MessageIcon::None: break;
    }
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    switch (buttons) {
    case kpd::MessageButtons::Ok: break;
    case kpd::MessageButtons::OkCancel: standard = QMessageBox::Ok | QMessageBox::Cancel; break;
    case kpd::MessageButtons::YesNo: standard = QMessageBox::Yes | QMessageBox::No; break;
    case kpd::MessageButtons::YesNoCancel: standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    const QString caption = title.empty() ? QString::fromLatin1(kpd::kProgramTitle) : toQt(title);
    // A message must be readable even while the busy pointer is shown.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(boxIcon, caption, toQt(text), standard, parent_);
    const int answer = box.exec();
    QApplication::restoreOverrideCursor();
    switch (answer) {
    case QMessageBox::Yes: return kpd::MessageAnswer::Yes;
    case QMessageBox::No: return kpd::MessageAnswer::No;
    case QMessageBox::Cancel: return kpd::MessageAnswer::Cancel;
    default: return kpd::MessageAnswer::Ok;
    }
}

void QtDialogs::waitOn()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtDialogs::waitOff()
{
    if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void QtDialogs::processEvents()
{
    QApplication::processEvents();
}

std::unique_ptr<kpd::ProgressWindow> QtDialogs::openProgress(kpd::ProgressOwner& owner, std::int32_t range,
                                                             const std::string& caption)
{
    auto* window = new frmProgress(*this, parent_);
    window->setData(owner, range, toQt(caption));
    return std::make_unique<ProgressWindowAdapter>(window);
}

void QtDialogs::endProgram()
{
    std::exit(EXIT_FAILURE);
}
