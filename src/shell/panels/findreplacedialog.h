#pragma once

#include "checks/findreplace.h"

#include <QDialog>

#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TextsListModel;

namespace kpd {
class TextRows;
class UserInterface;
} // namespace kpd

// Find and replace over the custom set. Find lists every match (in the references too
// when asked); Preview lists every text a replacement would change, laid out in keypad
// lines, with the ones that would overflow or lose a glyph unticked; Replace writes the
// ticked ones as one run, which Undo replacement takes back as one step.
class FindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    FindReplaceDialog(kpd::TextRows& rows, const TextsListModel& costs, kpd::UserInterface& ui,
                      QWidget* parent = nullptr);

    QTableWidget* results() const { return results_; }
    QLabel* summary() const { return summary_; }
    void setOptions(const kpd::FindReplace::Options& options);
    kpd::FindReplace::Options options() const;
    void find();
    void preview();
    // Writes the ticked changes of the preview.
    void replace();
    void undoReplace();

signals:
    void textsWritten();

private:
    std::optional<kpd::FindReplace> engine();
    void showChanges();

    kpd::TextRows& rows_;
    const TextsListModel& costs_;
    kpd::UserInterface& ui_;
    QLineEdit* find_;
    QLineEdit* replace_;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QCheckBox* regularExpression_;
    QCheckBox* references_;
    QTableWidget* results_;
    QLabel* summary_;
    QPushButton* replaceButton_;
    QPushButton* undoButton_;
    std::vector<kpd::FindReplace::Change> changes_;
    std::optional<kpd::FindReplace::Run> lastRun_;
};
