#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The open and save file dialogs of the file commands. The commands ask through this
// class so the tests can answer in place of a modal dialog.
class FileChooser {
public:
    enum class Kind { Open, Save, Folder };

    struct Request {
        Kind kind = Kind::Open;
        QString title;
        // Description-and-pattern pairs, the first one selected when the dialog opens.
        QStringList filters;
        QString defaultSuffix;
        QString initialName;
    };

    struct Choice {
        QString name;        // empty: the user cancelled
        int filterIndex = 0; // 1-based position of the filter the user picked
        bool cancelled() const { return name.isEmpty(); }
    };

    // The filter of the keypad's own files, which every command that reads or writes one offers.
    static QString keypadFilter() { return QStringLiteral("Keypad file (*.kpd)"); }

    explicit FileChooser(QWidget* parent = nullptr) : parent_(parent) {}
    virtual ~FileChooser() = default;

    virtual Choice choose(const Request& request);
    // The request in one call, as the commands make it.
    Choice ask(Kind kind, const QString& title, const QStringList& filters, const QString& suffix,
               const QString& initialName = {});

private:
    QWidget* parent_;
};
