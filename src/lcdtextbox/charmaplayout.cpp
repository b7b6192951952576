#include "charmaplayout.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

QRect CharMapLayout::dlu(int x, int y, int w, int h)
{
    return QRect(x * pixelsPerUnit, y * pixelsPerUnit, w * pixelsPerUnit, h * pixelsPerUnit);
}

void CharMapLayout::setupUi(QDialog* dialog, QWidget* canvas)
{
    QFont dialogFont = dialog->font();
    dialogFont.setPointSize(8);
    dialog->setFont(dialogFont);
    dialog->setFixedSize(dlu(0, 0, 400, 234).size());

    auto group = [dialog](const QString& title, QRect geometry) {
        auto* box = new QGroupBox(title, dialog);
        box->setGeometry(geometry);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        return box;
    };
    grpGrid = group(QStringLiteral("Keypad Characters:"), dlu(6, 5, 213, 143));
    grpSelection = group(QStringLiteral("Character selection (maximum 16)"), dlu(6, 150, 213, 26));
    grpMapping = group(QStringLiteral("Mapping information"), dlu(225, 5, 169, 171));
    canvas->setGeometry(dialog->rect());
    canvas->raise();

    auto label = [dialog](const QString& text, QRect geometry) {
        auto* l = new QLabel(text, dialog);
        l->setGeometry(geometry);
        return l;
    };
    auto button = [dialog](const QString& text, const QString& name, QRect geometry) {
        auto* b = new QPushButton(text, dialog);
        b->setObjectName(name);
        b->setGeometry(geometry);
        b->setAutoDefault(false);
        return b;
    };

    label(QStringLiteral("Windows character"), dlu(231, 15, 70, 8));
    txtWinChar = new QLineEdit(dialog);
    txtWinChar->setObjectName(QStringLiteral("txtWinChar"));
    txtWinChar->setGeometry(dlu(231, 23, 32, 30));
    txtWinChar->setReadOnly(true);
    txtWinChar->setMaxLength(1);
    txtWinChar->setFocusPolicy(Qt::NoFocus);
    txtWinChar->setAlignment(Qt::AlignCenter);
    // 50 pixels high and 25 wide on average, derived from the dialog font.
    QFont bigFont = dialogFont;
    bigFont.setPixelSize(50);
    const int averageWidth = QFontMetrics(bigFont).averageCharWidth();
    if (averageWidth > 0) bigFont.setStretch(std::clamp(25 * 100 / averageWidth, 1, 4000));
    txtWinChar->setFont(bigFont);

    label(QStringLiteral("Keypad character"), dlu(270, 43, 60, 8));
    // The column right of the enlarged glyph is narrow: its captions wrap, and a layout
    // stacks them with their controls so that no font makes a caption run into the next
    // control.
    auto* column = new QWidget(dialog);
    column->setGeometry(dlu(334, 13, 58, 136));
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(pixelsPerUnit * 2);
    const auto caption = [column, columnLayout](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, column);
        l->setWordWrap(true);
        l->setBuddy(buddy);
        columnLayout->addWidget(l);
    };
    txtCode = new QSpinBox(column);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    txtCode->setFixedWidth(dlu(0, 0, 40, 0).width());
    txtCode->setRange(16, 255);
    caption(QStringLiteral("Keypad character code:"), txtCode);
    columnLayout->addWidget(txtCode, 0, Qt::AlignLeft);
    btnAddChar = new QPushButton(QStringLiteral("&Add char"), column);
    btnAddChar->setObjectName(QStringLiteral("btnAddChar"));
    btnAddChar->setAutoDefault(false);
    columnLayout->addWidget(btnAddChar);

    lstMapped = new QListWidget(column);
    lstMapped->setObjectName(QStringLiteral("lstMapped"));
    caption(QStringLiteral("Mapped Windows characters && codes:"), lstMapped);
    columnLayout->addWidget(lstMapped, 1);

    btnClearKeypadMap = button(QStringLiteral("Clear &keypad char map"), QStringLiteral("btnClearKeypadMap"),
                               dlu(231, 153, 75, 14));
    btnClearWinMap = button(QStringLiteral("Clear &windows char map"), QStringLiteral("btnClearWinMap"),
                            dlu(310, 153, 80, 14));
    btnClearSelection = button(QStringLiteral("Clear &selection"), QStringLiteral("btnClearSelection"),
                               dlu(153, 157, 62, 14));

    lblMessage = label(QStringLiteral("Message here"), dlu(6, 181, 388, 10));
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    btnOK = button(QStringLiteral("&OK"), QStringLiteral("btnOK"), dlu(299, 210, 45, 14));
    btnOK->setDefault(true);
    btnCancel = button(QStringLiteral("&Cancel"), QStringLiteral("btnCancel"), dlu(349, 210, 45, 14));
}
