#pragma once

#include "compare/comparedfile.h"
#include "compare/difference.h"
#include "compare/setmerge.h"
#include "differencetreemodel.h"

#include <QWidget>

#include <memory>
#include <set>
#include <vector>

class BackgroundAnalysis;
class CellMarkOverlay;
class LcdtextboxHost;
class DriveDocument;
class QLabel;
class QPushButton;
class QTreeView;

// The differences between the custom set and another keypad data file (with a common
// base, who changed what), as a tree menu > parameter > mode > field with counts. The
// selected difference's texts are drawn in read-only keypad text boxes with the changed
// cells framed. The user takes their side or keeps ours for a difference or a whole
// branch, or takes every difference only they made. The comparison runs again in the
// background after every edit of the custom set; while it does, nothing can be taken.
class CompareWindow : public QWidget {
    Q_OBJECT
public:
    CompareWindow(DriveDocument& document, std::unique_ptr<kpd::ComparedFile> theirs, const QString& theirName,
                  std::unique_ptr<kpd::ComparedFile> base, const QString& baseName, QWidget* parent = nullptr);
    ~CompareWindow() override;

    QTreeView* tree() const { return tree_; }
    const DifferenceTreeModel& model() const { return *model_; }
    const std::vector<kpd::Difference>& differences() const { return differences_; }
    BackgroundAnalysis& analysis() const { return *analysis_; }
    QString summary() const;
    const CellMarkOverlay& ourMarks() const { return *ourMarks_; }

    // The differences under the selected item: the item's own, or its whole branch.
    std::vector<const kpd::Difference*> selectedDifferences() const;
    void takeSelected(kpd::Side side);
    void takeAllNonConflicting();

private:
    void fillTree();
    void showSelection();
    void setStale(bool stale);
    void showCount();
    void merge(const std::function<void(kpd::SetMerge&)>& work);
    bool kept(const kpd::Difference& difference) const;

    DriveDocument& document_;
    std::unique_ptr<kpd::ComparedFile> theirs_;
    std::unique_ptr<kpd::ComparedFile> base_;
    std::shared_ptr<const kpd::SetSnapshot> theirSnapshot_;
    std::shared_ptr<const kpd::SetSnapshot> baseSnapshot_;
    std::vector<kpd::Difference> differences_;
    // Differences the user chose to keep as ours: they stay out of the list until their side changes.
    std::set<std::string> kept_;
    kpd::MergeSummary total_;
    std::unique_ptr<BackgroundAnalysis> analysis_;
    DifferenceTreeModel* model_;
    QTreeView* tree_;
    QLabel* status_;
    QLabel* summary_;
    QLabel* baseLabel_;
    LcdtextboxHost* baseBox_;
    LcdtextboxHost* ourBox_;
    LcdtextboxHost* theirBox_;
    CellMarkOverlay* ourMarks_;
    CellMarkOverlay* theirMarks_;
    QPushButton* takeTheirs_;
    QPushButton* keepOurs_;
    QPushButton* takeNonConflicting_;
};
