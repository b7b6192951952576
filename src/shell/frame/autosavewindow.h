#pragma once

#include <QDialog>
#include <QTimer>

class AutoSaveHost;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// The "Auto save interval" window. It lives hidden for the whole run and owns the minute
// timer; the minute count survives switching off and on.
class AutoSaveWindow : public QDialog {
    Q_OBJECT
public:
    // tickMs is one minute in use; tests pass a short interval or call tick() directly.
    explicit AutoSaveWindow(QWidget* parent = nullptr, int tickMs = 60000);

    void setData(AutoSaveHost* host, const QString& fileName, bool state);
    void getData(AutoSaveHost*& host, QString& fileName, bool& state) const;

    bool isRunning() const { return timer_.isActive(); }
    // Running, or only held while a progress window is open: what the settings keep.
    bool isOn() const { return isRunning() || (suspended_ && runningBeforeSuspend_); }
    // The status bar panel that shows whether auto save is on.
    QLabel* statusPanel(QWidget* parent);
    int minutes() const;
    void setMinutes(int minutes);
    int minuteCount() const { return minuteCount_; }
    QString fileName() const;

    // Takes a file chosen in the save dialog; an empty name changes nothing.
    void applyChosenFile(const QString& name);

    // Stops the timer while a progress window is open and brings it back as it was.
    void suspend();
    void resume();

signals:
    void stateChanged(bool on);

public slots:
    void tick();
    void chooseFile();
    void setRunning(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AutoSaveHost* host_ = nullptr;
    QLineEdit* fileField_;
    QRadioButton* onButton_;
    QRadioButton* offButton_;
    QSpinBox* minutesBox_;
    QTimer timer_;
    int minuteCount_ = 0;
    bool suspended_ = false;
    bool runningBeforeSuspend_ = false;
};
