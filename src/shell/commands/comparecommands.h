#pragma once

#include <QString>

class CompareWindow;
class DriveDocument;
class QWidget;

// "Compare with...": picks a keypad data file (and, if the user wants one, their common
// base) and opens a comparison window on it. Merge asks here first whether the user would
// rather see the differences than have the file laid over the set.
class CompareCommands {
public:
    static constexpr const char* kBaseQuestion =
        "Compare against a common base file as well?\r\n(for example the backup written before the last merge)";
    static constexpr const char* kMergeQuestion =
        "Show the differences first?\r\nYes: compare and choose what to take. No: merge the whole file now.";

    // parent carries the file dialogs and the comparison windows.
    CompareCommands(DriveDocument& document, QWidget* parent) : document_(document), parent_(parent) {}

    void compareWith();
    // The window on the file (and base); nullptr, after a message, when a file cannot be read whole.
    CompareWindow* openComparison(const QString& file, const QString& base = {});
    // True when the merge is to go ahead: the user answered No. Yes opens the comparison instead.
    bool mergeWithoutComparing(const QString& file);
    // Lays what the file changed against the reference set over the custom set; false
    // when the file could not be read whole (what was read before a fault is merged).
    bool mergeFile(const QString& file);

private:
    DriveDocument& document_;
    QWidget* parent_;
};
