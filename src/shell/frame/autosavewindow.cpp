#include "autosavewindow.h"

#include "shell/autosavehost.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

AutoSaveWindow::AutoSaveWindow(QWidget* parent, int tickMs)
    : QDialog(parent),
      fileField_(new QLineEdit(this)),
      onButton_(new QRadioButton(QStringLiteral("on"), this)),
      offButton_(new QRadioButton(QStringLiteral("off"), this)),
      minutesBox_(new QSpinBox(this))
{
    setWindowTitle(QStringLiteral("Auto save interval"));
    setModal(false);

    // The field only shows the name; a click opens the save dialog.
    fileField_->setReadOnly(true);
    fileField_->installEventFilter(this);
    minutesBox_->setRange(1, 60);
    minutesBox_->setSingleStep(1);
    minutesBox_->setValue(5);

    auto* pathLabel =
        new QLabel(QStringLiteral("Auto save path && file").replace(QStringLiteral("&&"), QStringLiteral("&")), this);
    auto* minutesLabel = new QLabel(QStringLiteral("set minutes"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(pathLabel, 0, 0, 1, 3);
    layout->addWidget(fileField_, 1, 0, 1, 3);
    layout->addWidget(onButton_, 2, 0);
    layout->addWidget(offButton_, 3, 0);
    layout->addWidget(minutesLabel, 2, 1);
    layout->addWidget(minutesBox_, 2, 2);
    layout->addWidget(ok, 4, 2);

    timer_.setInterval(tickMs);
    connect(&timer_, &QTimer::timeout, this, &AutoSaveWindow::tick);
    connect(onButton_, &QRadioButton::toggled, this, [this](bool checked) { setRunning(checked); });
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
}

void AutoSaveWindow::setData(AutoSaveHost* host, const QString& fileName, bool state)
{
    host_ = host;
    fileField_->setText(fileName);
    setRunning(state);
}

void AutoSaveWindow::getData(AutoSaveHost*& host, QString& fileName, bool& state) const
{
    host = host_;
    fileName = fileField_->text();
    state = isOn();
}

QLabel* AutoSaveWindow::statusPanel(QWidget* parent)
{
    auto* panel = new QLabel(parent);
    panel->setToolTip(QStringLiteral("Indication of auto save state"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    connect(this, &AutoSaveWindow::stateChanged, panel, [panel](bool on) {
        panel->setText(on ? QStringLiteral("Auto save is on") : QStringLiteral("Auto save is off"));
    });
    return panel;
}

int AutoSaveWindow::minutes() const
{
    return minutesBox_->value();
}

void AutoSaveWindow::setMinutes(int minutes)
{
    minutesBox_->setValue(minutes);
}

QString AutoSaveWindow::fileName() const
{
    return fileField_->text();
}

void AutoSaveWindow::setRunning(bool on)
{
    if (on)
        timer_.start();
    else
        timer_.stop();
    const QSignalBlocker blockOn(onButton_);
    const QSignalBlocker blockOff(offButton_);
    onButton_->setChecked(on);
    offButton_->setChecked(!on);
    emit stateChanged(on);
}

void AutoSaveWindow::tick()
{
    ++minuteCount_;
    if (minuteCount_ < minutes()) return;
    minuteCount_ = 0;
    // An unchanged set is already in the file: writing it again would only wear the disk
    // and move the file's time.
    if (host_ && host_->hasChangesToSave()) host_->AutoSave();
}

void AutoSaveWindow::chooseFile()
{
    QFileDialog dialog(this, QStringLiteral("AutoSave keypad string file"), fileField_->text(),
                       QStringLiteral("Keypad file (*.kpd)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("kpd"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        applyChosenFile(dialog.selectedFiles().first());
}

void AutoSaveWindow::applyChosenFile(const QString& name)
{
    if (name.isEmpty()) return;
    fileField_->setText(name);
    if (host_) host_->setASFIleName(name);
}

void AutoSaveWindow::suspend()
{
    if (suspended_) return;
    suspended_ = true;
    runningBeforeSuspend_ = timer_.isActive();
    timer_.stop();
}

void AutoSaveWindow::resume()
{
    if (!suspended_) return;
    suspended_ = false;
    if (runningBeforeSuspend_) timer_.start();
}

bool AutoSaveWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == fileField_ && event->type() == QEvent::MouseButtonRelease) {
        chooseFile();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
