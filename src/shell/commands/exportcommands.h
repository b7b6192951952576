#pragma once

#include <QString>

#include <cstdint>

class DriveDocument;
class QWidget;

// The File menu's outputs for other programs: the text export and the assembler file.
// Each dialog command hands the dialog's results to the method that does the work.
class ExportCommands {
public:
    // parent carries the dialogs.
    ExportCommands(DriveDocument& document, QWidget* parent) : document_(document), parent_(parent) {}

    void exportText();
    // False when nothing was written: declined, or the file could not be written.
    bool exportTo(const QString& path, std::uint16_t options);

    void saveAssembler();
    // Builds the image and writes it as the assembler module of the language's name;
    // the file written, or empty when nothing was.
    QString saveAssemblerFile(const QString& folder, int languageIndex);
    static QString assemblerLanguage(int languageIndex);

private:
    DriveDocument& document_;
    QWidget* parent_;
};
