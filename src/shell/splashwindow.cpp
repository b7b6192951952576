#include "splashwindow.h"

#include "keypaddisplaymimic.h"
#include "model/userinterface.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace {
const std::array<std::pair<const char*, const char*>, 6> kPhrases{{
    {"Frequency", "Reference"},
    {"Your param", "name "},
    {"Frequence", "Reference"},
    {"Frequenz", "Sollwertkreis"},
    {"Referencia", "frecuencia"},
    {"Riferimento", "frequenza"},
}};
}

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      display_(new KeypadDisplayMimic(24, 2, this)),
      statusLabel_(new QLabel(this)),
      bar_(new QProgressBar(this))
{
    display_->setLine(0, QStringLiteral("1.01              24.89"));
    display_->setLine(1, QStringLiteral("Frequency Reference"));

    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(QString::fromLatin1(kpd::kProgramTitle), this);
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    product->setFont(bold);
    layout->addWidget(display_, 0, Qt::AlignHCenter);
    layout->addWidget(product, 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel(QStringLiteral("Zarvik"), this), 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel(QStringLiteral("Version 1.5"), this), 0, Qt::AlignHCenter);
    layout->addWidget(statusLabel_);
    layout->addWidget(bar_);
    bar_->setRange(0, 100);
    bar_->setValue(0);

    timer_.setInterval(800);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::animate);
    timer_.start();
}

void SplashWindow::setStatus(const QString& status)
{
    statusLabel_->setText(status);
}

QString SplashWindow::status() const
{
    return statusLabel_->text();
}

void SplashWindow::setProgress(int value)
{
    bar_->setValue(value);
}

int SplashWindow::progress() const
{
    return bar_->value();
}

QString SplashWindow::secondLine() const
{
    return display_->line(1);
}

void SplashWindow::animate()
{
    const auto& [first, second] = kPhrases[static_cast<std::size_t>(counter_)];
    display_->setLine(1, QString::fromLatin1(first) + QLatin1Char(' ') + QString::fromLatin1(second));
    counter_ = (counter_ + 1) % static_cast<int>(kPhrases.size());
}

// Start-up must not be interrupted from the splash window.
void SplashWindow::keyPressEvent(QKeyEvent*) {}
void SplashWindow::mousePressEvent(QMouseEvent*) {}
