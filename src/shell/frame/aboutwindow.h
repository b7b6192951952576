#pragma once

#include <QDialog>
#include <QStringList>

namespace kpd {
class UserInterface;
}

// The About window of the Help menu.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(kpd::UserInterface& ui, QWidget* parent = nullptr);

    // The programs tried, in order, for "System Info"; the first found on the PATH is started.
    static QStringList systemInfoCandidates();
    // The program that "System Info" would start, or an empty string when there is none.
    static QString findSystemInfoProgram(const QStringList& candidates);

    QString versionText() const;

public slots:
    void showSystemInfo();

private:
    kpd::UserInterface& ui_;
    QString versionText_;
};
