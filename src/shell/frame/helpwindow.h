#pragma once

#include <QWidget>

class QTextBrowser;

// Shows the editor's help file (HTML under its traditional name) from the program folder.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the file; a missing or unreadable file is reported in the window itself.
    bool openFile(const QString& path);
    QString shownText() const;

private:
    QTextBrowser* browser_;
};
