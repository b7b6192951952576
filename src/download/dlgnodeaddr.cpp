#include "dlgnodeaddr.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kPrompt = "Please enter node address (1 - 255)";
constexpr int kLowest = 1;
constexpr int kHighest = 255;
constexpr int kMaxDigits = 3;

// The number the text starts with, 0 when it starts with none, as the address box reads it.
int leadingNumber(const QString& text)
{
    int value = 0;
    for (const QChar c : text) {
        if (!c.isDigit() || c.unicode() > '9') break;
        value = value * 10 + (c.unicode() - '0');
        if (value > 99999) break;
    }
    return value;
}

bool isNumber(const QString& text)
{
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

} // namespace

dlgNodeAddr::dlgNodeAddr(QWidget* parent)
    : QDialog(parent),
      lblPrompt_(new QLabel(QString::fromLatin1(kPrompt), this)),
      txtAddress_(new QLineEdit(QStringLiteral("1"), this)),
      btnUp_(new QToolButton(this)),
      btnDown_(new QToolButton(this)),
      btnDownload_(new QPushButton(QStringLiteral("Download"), this)),
      btnCancel_(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("Download"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* note = new QGridLayout;
    note->addWidget(new QLabel(QStringLiteral("Please take note:"), this), 0, 0, 1, 2);
    note->addWidget(picture, 1, 0);
    note->addWidget(new QLabel(QStringLiteral("Downloading normally takes about 20 minutes"), this), 1, 1);

    txtAddress_->setToolTip(QStringLiteral("Enter node address here"));
    txtAddress_->installEventFilter(this);
    btnUp_->setArrowType(Qt::UpArrow);
    btnDown_->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {btnUp_, btnDown_}) {
        arrow->setToolTip(QStringLiteral("Use these button to change the address"));
        arrow->setAutoRepeat(true);
        arrow->setFixedHeight(12);
    }
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(btnUp_);
    arrows->addWidget(btnDown_);
    auto* address = new QHBoxLayout;
    address->setSpacing(0);
    address->addWidget(txtAddress_);
    address->addLayout(arrows);
    address->addStretch();

    btnDownload_->setToolTip(QStringLiteral("Press this button to start the download "));
    btnCancel_->setToolTip(QStringLiteral("Press this button if you want back out"));
    btnDownload_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnDownload_);
    buttons->addWidget(btnCancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(note);
    layout->addWidget(lblPrompt_);
    layout->addLayout(address);
    layout->addLayout(buttons);

    flashTimer_.setInterval(500);
    connect(&flashTimer_, &QTimer::timeout, this, &dlgNodeAddr::onFlashTick);
    connect(txtAddress_, &QLineEdit::textChanged, this, &dlgNodeAddr::onTextChanged);
    connect(btnUp_, &QToolButton::clicked, this, [this] { stepAddress(1); });
    connect(btnDown_, &QToolButton::clicked, this, [this] { stepAddress(-1); });
    connect(btnDownload_, &QPushButton::clicked, this, &dlgNodeAddr::onDownload);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QString dlgNodeAddr::address() const
{
    return txtAddress_->text();
}

bool dlgNodeAddr::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtAddress_ && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        // Printable characters other than digits never reach the box; control keys pass.
        if (!typed.isEmpty() && typed.at(0).unicode() >= 32 && !isNumber(typed)) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void dlgNodeAddr::onTextChanged(const QString& text)
{
    if (text.isEmpty()) return;
    QString kept = text.left(kMaxDigits);
    const int value = leadingNumber(kept);
    if (value < kLowest)
        kept = QString::number(kLowest);
    else if (value > kHighest)
        kept = QString::number(kHighest);
    // Setting the text comes back here once, and then finds nothing to change.
    if (kept != text) txtAddress_->setText(kept);
}

void dlgNodeAddr::stepAddress(int step)
{
    const int value = std::clamp(leadingNumber(txtAddress_->text()) + step, kLowest, kHighest);
    txtAddress_->setText(QString::number(value));
}

void dlgNodeAddr::onDownload()
{
    if (isNumber(txtAddress_->text())) {
        confirmed_ = true;
        accept();
        return;
    }
    flashTimer_.start();
}

void dlgNodeAddr::onFlashTick()
{
    if (flashCounter_ < kFlashTicks) {
        lblPrompt_->setText(QStringLiteral("Invalid node address"));
        ++flashCounter_;
    } else {
        flashTimer_.stop();
        flashCounter_ = 0;
        flashState_ = true;
        lblPrompt_->setText(QString::fromLatin1(kPrompt));
    }
    flashState_ = !flashState_;
    showPrompt(flashState_);
}

void dlgNodeAddr::showPrompt(bool boldRed)
{
    QFont font = lblPrompt_->font();
    font.setBold(boldRed);
    lblPrompt_->setFont(font);
    QPalette palette = lblPrompt_->palette();
    palette.setColor(QPalette::WindowText, boldRed ? Qt::red : Qt::black);
    lblPrompt_->setPalette(palette);
}
