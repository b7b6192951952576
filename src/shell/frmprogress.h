#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kpd {
class ProgressOwner;
class UserInterface;
}

// The progress window of every long operation: it polls its owner's progress twice a
// second and asks the owner to stop from its Stop button. The operation owns the window
// and closes it when it ends, so Escape and the window's close button ask to stop too:
// closing the window alone would leave the operation running with no Stop button.
class frmProgress : public QDialog {
    Q_OBJECT
public:
    frmProgress(kpd::UserInterface& ui, QWidget* parent = nullptr);
    ~frmProgress() override;

    void setData(kpd::ProgressOwner& anObject, qint32 range, const QString& caption);
    void setRange(qint32 range);
    void stopProgress();
    // Under the bar; hidden while empty.
    void setStatus(const QString& text);
    // The owner's close when its operation ends; any other close is the user's.
    void closeByOwner();

    bool isActive() const { return active_; }
    int barValue() const;
    int barMaximum() const;

public slots:
    void tick();
    void askToStop();
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void finish();
    void keepInFront();

    kpd::UserInterface& ui_;
    kpd::ProgressOwner* owner_ = nullptr;
    QProgressBar* bar_;
    QLabel* status_;
    QPushButton* stopButton_;
    QTimer timer_;
    bool active_ = false;
    bool opened_ = false;
    bool ownerClosing_ = false;
};
