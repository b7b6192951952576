#include "helpwindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Keypad Editor Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(false);
    resize(640, 520);
}

bool HelpWindow::openFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        browser_->setPlainText(QStringLiteral("Cannot open the help file %1: %2").arg(path, file.errorString()));
        return false;
    }
    browser_->setHtml(QString::fromUtf8(file.readAll()));
    return true;
}

QString HelpWindow::shownText() const
{
    return browser_->toPlainText();
}
