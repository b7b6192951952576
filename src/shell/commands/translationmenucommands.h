#pragma once

#include <QString>

class CompareWindow;
class DriveDocument;
class QWidget;
class TranslationExportDialog;

// "Export for translation..." and "Import translation...": the custom set out to a
// translation file, and a translation back in as the other side of a comparison, so that
// nothing changes until the user takes it (and Undo works as for any take).
class TranslationMenuCommands {
public:
    // parent carries the dialogs and the comparison window.
    TranslationMenuCommands(DriveDocument& document, QWidget* parent) : document_(document), parent_(parent) {}

    void exportForTranslation();
    // Writes the file the dialog's choice names; false after a message when it cannot.
    bool exportAs(const TranslationExportDialog& dialog);
    void importTranslation();
    // The comparison window on the file's texts; nullptr after a message when the file
    // cannot be taken at all. What cannot be placed or does not fit is listed first.
    CompareWindow* importFile(const QString& file);

private:
    DriveDocument& document_;
    QWidget* parent_;
};
