#pragma once

#include "checks/problem.h"

#include <QStandardItemModel>

#include <cstddef>
#include <optional>
#include <set>
#include <string>

namespace kpd {
class DrvMenus;
class ProblemList;
} // namespace kpd

// The rows of the Problems panel: one row per menu, in the order the list gives them,
// holding the problems of the shown kinds found in it, with the menu's count in its title.
class ProblemTreeModel : public QStandardItemModel {
    Q_OBJECT
public:
    explicit ProblemTreeModel(QObject* parent = nullptr);

    // menus names the menus and parameters; without it the rows show keys only.
    void fill(const kpd::ProblemList& list, const std::set<kpd::ProblemKind>& kinds, const kpd::DrvMenus* menus);

    // The problem a row shows, by its position in the list; nothing for a menu's row.
    std::optional<std::size_t> problemAt(const QModelIndex& index) const;
    // The first cell of the row that shows the problem; invalid when it is filtered out.
    QModelIndex indexOf(std::size_t problem) const;

    // "m1 p1 Reference, Open loop, description".
    static std::string placeOf(const kpd::Problem& problem, const kpd::DrvMenus* menus);
};
