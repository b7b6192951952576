#pragma once

#include "problemtreemodel.h"
#include "shell/backgroundanalysis.h"

#include "checks/problemlist.h"

#include <QDockWidget>

#include <functional>
#include <optional>
#include <set>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTreeView;

namespace kpd {
class DrvMenus;
class TheApp;
class UserInterface;
} // namespace kpd

// The dockable list of the custom set's problems, grouped by menu, checked again off the
// GUI thread whenever the set may have changed. It offers the quick fixes; opening the
// parameter editor and refreshing the views after a fix are the main window's business.
class ProblemsPanel : public QDockWidget {
    Q_OBJECT
public:
    using AppSource = std::function<kpd::TheApp*()>;

    ProblemsPanel(kpd::UserInterface& ui, AppSource app, QWidget* parent = nullptr);
    ~ProblemsPanel() override;

    BackgroundAnalysis& analysis() const { return *analysis_; }
    const kpd::ProblemList& list() const { return list_; }
    QTreeView* tree() const { return tree_; }
    const ProblemTreeModel& model() const { return *model_; }
    QComboBox* kindFilter() const { return kindFilter_; }
    QCheckBox* translation() const { return translation_; }
    QLabel* summary() const { return summary_; }

    // The kinds the filter lets through.
    std::set<kpd::ProblemKind> shownKinds() const;
    // Tool tip text of a grid cell: its problems, one a line; empty when it has none.
    QString describe(const kpd::ProblemList::Location& at) const;
    // The next (previous) shown problem's place after the given one, selected in the list.
    std::optional<kpd::ProblemList::Location> step(const kpd::ProblemList::Location& from, bool backwards);
    // The selected problem, if any.
    const kpd::Problem* selected() const;
    void select(std::size_t index);

    // The quick fixes. Each changes the model and then reports the edit.
    void fixSelected();
    void fixAllOfKind(kpd::ProblemKind kind);
    void unify(const kpd::Problem& problem, const std::string& form);

public slots:
    // The custom set may have changed.
    void request();

signals:
    void openRequested(const QString& menuKey, const QString& paraKey, const QString& modeKey);
    // A quick fix changed the custom set.
    void edited();
    // A new list was delivered.
    void problemsChanged();

private:
    // Snapshots the set for a check; the work gives what delivers the list.
    BackgroundAnalysis::Work checkWork();
    void deliver(kpd::ProblemList list);
    void fillTree();
    void fillFilter();
    void showContextMenu(const QPoint& pos);
    void activated(const QModelIndex& index);
    // The custom set's menus, which name the places; none before a set is loaded.
    const kpd::DrvMenus* menus() const;

    kpd::UserInterface& ui_;
    AppSource app_;
    BackgroundAnalysis* analysis_;
    kpd::ProblemList list_;
    QLabel* summary_;
    QComboBox* kindFilter_;
    QCheckBox* translation_;
    ProblemTreeModel* model_;
    QTreeView* tree_;
    QPushButton* fix_;
    QPushButton* fixAll_;
};
