#include "frmprogress.h"

#include "model/userinterface.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>
#include <string>

frmProgress::frmProgress(kpd::UserInterface& ui, QWidget* parent)
    : QDialog(parent), ui_(ui), bar_(new QProgressBar(this)), status_(new QLabel(this)),
      stopButton_(new QPushButton(tr("Stop"), this))
{
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    status_->hide();
    layout->addWidget(status_);
    layout->addWidget(stopButton_, 0, Qt::AlignHCenter);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    timer_.setInterval(500);
    connect(&timer_, &QTimer::timeout, this, &frmProgress::tick);
    connect(stopButton_, &QPushButton::clicked, this, &frmProgress::askToStop);
}

frmProgress::~frmProgress()
{
    finish();
}

void frmProgress::setData(kpd::ProgressOwner& anObject, qint32 range, const QString& caption)
{
    owner_ = &anObject;
    bar_->setMinimum(0);
    bar_->setMaximum(range);
    setWindowTitle(caption);
    timer_.start();
    active_ = true;
    show();
}

void frmProgress::setRange(qint32 range)
{
    bar_->setMaximum(range);
}

void frmProgress::stopProgress()
{
    timer_.stop();
    active_ = false;
}

void frmProgress::setStatus(const QString& text)
{
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
}

void frmProgress::closeByOwner()
{
    ownerClosing_ = true;
    close();
}

int frmProgress::barValue() const
{
    return bar_->value();
}

int frmProgress::barMaximum() const
{
    return bar_->maximum();
}

void frmProgress::tick()
{
    if (!active_ || !owner_) return;
    keepInFront();
    qint32 value = 0;
    try {
        value = owner_->progress();
    } catch (const std::exception& error) {
        ui_.message(std::string("Error updating progress bar: ") + error.what(), "WARNING",
                    kpd::MessageIcon::Exclamation);
        return;
    }
    // A value outside the bar's range ends the polling, like a full bar does.
    if (value < bar_->minimum() || value > bar_->maximum()) {
        stopProgress();
        return;
    }
    bar_->setValue(value);
    if (bar_->value() >= bar_->maximum()) stopProgress();
}

void frmProgress::askToStop()
{
    const kpd::MessageAnswer answer = ui_.message("Are you sure you want to stop the current process?", {},
                                                  kpd::MessageIcon::Question, kpd::MessageButtons::YesNo);
    if (answer == kpd::MessageAnswer::Yes && owner_) owner_->stopProcess();
}

void frmProgress::reject()
{
    askToStop();
}

void frmProgress::keepInFront()
{
    raise();
    // A message the operation shows meanwhile waits for an answer: it must not end up
    // hidden behind this window.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this) modal->raise();
}

void frmProgress::showEvent(QShowEvent* event)
{
    if (!opened_) {
        opened_ = true;
        ui_.waitOn();
    }
    QDialog::showEvent(event);
}

void frmProgress::closeEvent(QCloseEvent* event)
{
    if (!ownerClosing_ && owner_) {
        event->ignore();
        askToStop();
        return;
    }
    finish();
    // QDialog would close by reject(), which here asks to stop.
    QWidget::closeEvent(event);
}

void frmProgress::finish()
{
    stopProgress();
    if (!opened_) return;
    opened_ = false;
    ui_.waitOff();
}
