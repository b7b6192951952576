#pragma once

#include "exchange/translationexport.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Export for translation...": format, reference language, translation language, which
// texts and the file. It only gathers the choice; TranslationMenuCommands writes the file.
class TranslationExportDialog : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        kpd::ExchangeFormat format = kpd::ExchangeFormat::Xliff12;
        QString reference;
        QString target;
        kpd::ExportSelection selection = kpd::ExportSelection::All;
        QString base;
        QString file;
        // The keypad's font goes beside the file, for tools that check a text's drawn size.
        bool font = false;
    };

    // references: the sets a translation can start from, the first one selected.
    TranslationExportDialog(const QStringList& references, QWidget* parent = nullptr);

    Choice choice() const;
    void setFile(const QString& file);
    void setBase(const QString& base);
    void setSelection(kpd::ExportSelection selection);
    void setFormat(kpd::ExchangeFormat format);
    // The extension of the chosen format, for the file name.
    static QString suffixOf(kpd::ExchangeFormat format);

private:
    void chooseFile();
    void chooseBase();
    void update();

    QComboBox* cboFormat_;
    QComboBox* cboReference_;
    QLineEdit* txtTarget_;
    QComboBox* cboTexts_;
    QLineEdit* txtBase_;
    QPushButton* btnBase_;
    QLineEdit* txtFile_;
    QCheckBox* chkFont_;
    QPushButton* btnOk_;
};
