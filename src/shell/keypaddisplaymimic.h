#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QStringList>
#include <QWidget>

// A few lines of text drawn as the keypad's LCD shows them: one 5 × 8 dot glyph per
// character, dark dots on the green-grey display background.
class QPainter;

class KeypadDisplayMimic : public QWidget {
    Q_OBJECT
public:
    explicit KeypadDisplayMimic(int columns, int rows, QWidget* parent = nullptr);

    void setLine(int row, const QString& text);
    QString line(int row) const;

    QSize sizeHint() const override;
    // Keypad bytes drawn as the display shows them, the first cell's top left at origin,
    // each dot a square of dot pixels; other widgets and delegates draw texts with it.
    static void paintLines(QPainter& painter, QPoint origin, const QList<QByteArray>& lines, int columns, int dot);
    static QSize cellSize(int dot) { return {6 * dot, 9 * dot}; }
    static const QColor& background();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int columns_;
    QStringList lines_;
};
