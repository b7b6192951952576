#pragma once

#include "reviewmarksfile.h"

#include <QDockWidget>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class BudgetMeter;
class DriveDocument;
class FindReplaceDialog;
class LcdtextboxHost;
class KeyMapFile;
class QCheckBox;
class QMainWindow;
class QLineEdit;
class QTableView;
class ReferencePictures;
class TextsFilterBar;
class TextsListModel;

namespace kpd {
class TextRows;
}

// The translator's workbench: every text of the custom set in one list with its status,
// filters and a count, and under it a keypad text box that edits the current row, the
// reference languages above it. Enter writes the text and moves to the next row of the
// list, Ctrl+Enter writes and stays, Escape gives the box back the stored text, and
// Ctrl+Down / Ctrl+Up move to the next or previous text that is not done.
class TextsPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit TextsPanel(DriveDocument& document, QWidget* parent = nullptr);
    ~TextsPanel() override;
    // Docks a panel beside the menu windows of `window`; it follows the document's files and
    // edits and the budget's costs, and draws the extra reference languages the menu grids show.
    static TextsPanel* attach(QMainWindow& window, DriveDocument& document, BudgetMeter* budget,
                              std::function<QStringList()> extraReferences);

    TextsListModel* model() const { return model_.get(); }
    kpd::TextRows* rows() const { return rows_.get(); }
    QTableView* list() const { return list_; }
    LcdtextboxHost* box() const { return box_; }
    // The list row being edited; nothing while the list is empty.
    std::optional<int> currentRow() const;
    void selectRow(int listRow);
    // Writes the box's text into the current row; true when the text changed.
    bool commit();
    // Commits, then the next row of the list (Enter).
    void commitAndNext();
    void revert();
    void nextNotDone(bool backwards);
    void undoCurrent();
    void setDone(bool done);
    void setNote(const QString& note);
    FindReplaceDialog* findReplace();
    // The panel with its find and replace dialog in front (Ctrl+F).
    void showFindReplace();
    // The texts were written by the find and replace dialog (or undone).
    void textsWritten();
    // Rows checked again (or built anew for another data root) after edits made elsewhere.
    void setEdited();
    // Another data file (or none): its marks are read, and edits count from here.
    void fileOpened(const QString& file);
    // The document lets its data root go: rows, list and dialog point into it.
    void dropRows();
    void fileSaved(const QString& file);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool ensureRows();
    void applyFilter();
    void loadRow();
    void saveMarks();
    void announce();
    std::size_t currentTextRow() const;

    DriveDocument& document_;
    QPointer<BudgetMeter> budget_;
    std::function<QStringList()> extraReferences_;
    ReviewMarksFile marks_;
    std::unique_ptr<kpd::TextRows> rows_;
    std::unique_ptr<TextsListModel> model_;
    TextsFilterBar* filters_;
    QTableView* list_;
    ReferencePictures* references_;
    LcdtextboxHost* box_;
    std::unique_ptr<KeyMapFile> keyMap_;
    QCheckBox* done_;
    QLineEdit* note_;
    QPointer<FindReplaceDialog> findReplace_;
    // Set while the panel itself tells the window of an edit, so that it does not reload.
    bool announcing_ = false;
    // Edits were made elsewhere while the panel was hidden.
    bool stale_ = false;
};
