#pragma once

#include <QTimer>
#include <QWidget>

class KeypadDisplayMimic;
class QLabel;
class QProgressBar;

// Shown while the editor starts: the status line and progress bar that start-up writes,
// and the keypad display cycling through the same phrase in several languages.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    void setStatus(const QString& status);
    QString status() const;
    void setProgress(int value);
    int progress() const;
    int phraseCounter() const { return counter_; }
    QString secondLine() const;

public slots:
    // Shows the phrase of the counter and moves on to the next one.
    void animate();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    KeypadDisplayMimic* display_;
    QLabel* statusLabel_;
    QProgressBar* bar_;
    QTimer timer_;
    int counter_ = 0;
};
