#pragma once

#include "checks/glossarytable.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kpd {
class TheApp;
class UserInterface;
} // namespace kpd

// "Glossary": the drive folder's terms as a table, one row a term and per language its
// full form, short forms (the preferred first), other admitted forms and forbidden forms,
// with a filter, and Save writing the folder's term base. Shows the reference language
// and the language the custom set is translated into.
class GlossaryWindow : public QDialog {
    Q_OBJECT
public:
    // A glossary that cannot be read is reported and the window starts empty; saving it
    // then replaces the file.
    GlossaryWindow(kpd::UserInterface& ui, QString folder, std::string referenceLanguage, QWidget* parent = nullptr);
    ~GlossaryWindow() override;

    const kpd::GlossaryTable& table() const { return *table_; }
    QTableWidget* terms() const { return lstTerms_; }
    QLineEdit* filter() const { return txtFilter_; }
    QComboBox* language() const { return cboLanguage_; }
    QString path() const;

    // Opens the window over parent until closed: the parameter editor that asks for it is
    // modal. A text given becomes a new term, as addTerm makes it.
    static void edit(kpd::UserInterface& ui, const kpd::TheApp& app, QWidget* parent, const QString& text = QString(),
                     bool reference = false);

public slots:
    // A term with the text as its full form in the reference or the custom language,
    // selected and ready for its short forms.
    void addTerm(const QString& text, bool reference);
    void removeSelected();
    bool save();
    void applyFilter(const QString& text);
    // Shows the columns of the chosen custom language, the glossary as edited so far.
    void showLanguage(const QString& code);

protected:
    void done(int result) override;

private:
    void fill();
    void cellEdited(int row, int column);

    kpd::UserInterface& ui_;
    QString folder_;
    std::string reference_;
    std::unique_ptr<kpd::GlossaryTable> table_;
    QComboBox* cboLanguage_;
    QLineEdit* txtFilter_;
    QTableWidget* lstTerms_;
    QPushButton* btnAdd_;
    QPushButton* btnRemove_;
    QPushButton* btnSave_;
    QPushButton* btnClose_;
    bool filling_ = false;
};
