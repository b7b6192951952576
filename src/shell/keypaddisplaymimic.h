#pragma once

#include <QStringList>
#include <QWidget>

// A few lines of text drawn as the keypad's LCD shows them: one 5 × 8 dot glyph per
// character, dark dots on the green-grey display background.
class KeypadDisplayMimic : public QWidget {
    Q_OBJECT
public:
    explicit KeypadDisplayMimic(int columns, int rows, QWidget* parent = nullptr);

    void setLine(int row, const QString& text);
    QString line(int row) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int columns_;
    QStringList lines_;
};
