#include "aboutwindow.h"

#include "model/userinterface.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// 6540 × 2970 twips at 15 twips a pixel.
constexpr int kAboutWidth = 6540 / 15;
constexpr int kAboutHeight = 2970 / 15;
} // namespace

AboutWindow::AboutWindow(kpd::UserInterface& ui, QWidget* parent) : QDialog(parent), ui_(ui)
{
    const QString title = QString::fromLatin1(kpd::kProgramTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    const QStringList parts = QCoreApplication::applicationVersion().split(QLatin1Char('.'));
    auto part = [&parts](int i) { return i < parts.size() ? parts[i] : QStringLiteral("0"); };
    versionText_ = QStringLiteral("Version ") + part(0) + QLatin1Char('.') + part(1) + QLatin1Char('.') + part(2);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
    auto* titleLabel = new QLabel(title, this);
    auto* versionLabel = new QLabel(versionText_, this);
    auto* description =
        new QLabel(QStringLiteral("This program enables editing of strings for the Veltrane VX  LCD  Keypad"), this);
    description->setWordWrap(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    ok->setDefault(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(titleLabel);
    texts->addWidget(versionLabel);
    texts->addWidget(description);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(texts, 1);
    layout->addLayout(buttons);

    resize(kAboutWidth, kAboutHeight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, &AboutWindow::showSystemInfo);
}

QString AboutWindow::versionText() const
{
    return versionText_;
}

QStringList AboutWindow::systemInfoCandidates()
{
    return {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor"),
            QStringLiteral("lshw-gtk")};
}

QString AboutWindow::findSystemInfoProgram(const QStringList& candidates)
{
    for (const QString& name : candidates) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) return path;
    }
    return {};
}

void AboutWindow::showSystemInfo()
{
    const QString program = findSystemInfoProgram(systemInfoCandidates());
    if (program.isEmpty() || !QProcess::startDetached(program, {}))
        ui_.message("System Information Is Unavailable At This Time");
}
