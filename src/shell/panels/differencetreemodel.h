#pragma once

#include "compare/difference.h"

#include <QStandardItemModel>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace kpd {
class DrvMenus;
}

// The rows of the Compare window: menu > parameter > mode > field, each branch with the
// number of differences (and conflicts) under it, a field row with the kind of change.
class DifferenceTreeModel : public QStandardItemModel {
    Q_OBJECT
public:
    using Filter = std::function<bool(const kpd::Difference&)>;

    explicit DifferenceTreeModel(QObject* parent = nullptr);

    // Lists the differences that shown lets through. ourMenus names the menus and
    // parameters as the menu tree does and tells which menus have unsaved changes.
    void fill(const std::vector<kpd::Difference>& differences, const Filter& shown, const kpd::DrvMenus& ourMenus);

    // The difference a field row shows, by its position in the list given to fill.
    std::optional<std::size_t> differenceAt(const QModelIndex& index) const;
    // The differences of a row's whole branch (its own for a field row), in the tree's order.
    std::vector<std::size_t> differencesUnder(const QModelIndex& index) const;
};
