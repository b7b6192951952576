#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Asks for the drive network address of the keypad before a download. The caller shows
// it modally, then reads confirmed() and address().
class dlgNodeAddr : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFlashTicks = 10;

    explicit dlgNodeAddr(QWidget* parent = nullptr);

    bool confirmed() const { return confirmed_; }
    QString address() const;

    QLineEdit* txtAddress() const { return txtAddress_; }
    QLabel* lblPrompt() const { return lblPrompt_; }
    QPushButton* btnDownload() const { return btnDownload_; }
    QPushButton* btnCancel() const { return btnCancel_; }
    QToolButton* btnUp() const { return btnUp_; }
    QToolButton* btnDown() const { return btnDown_; }
    bool flashing() const { return flashTimer_.isActive(); }

public slots:
    void onDownload();
    void onFlashTick();
    void stepAddress(int step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onTextChanged(const QString& text);
    void showPrompt(bool boldRed);

    QLabel* lblPrompt_;
    QLineEdit* txtAddress_;
    QToolButton* btnUp_;
    QToolButton* btnDown_;
    QPushButton* btnDownload_;
    QPushButton* btnCancel_;
    QTimer flashTimer_;
    bool confirmed_ = false;
    qint16 flashCounter_ = 0;
    bool flashState_ = true;
};
