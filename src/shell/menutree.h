#pragma once

#include <Qt>

class QTreeWidgetItem;

namespace kpd {
class stringData;
}

// The drive's menu tree: root, visible menus, their parameters and modes. Each node
// carries a tag of four letters and a key ("root", "menu", "para", "data") as its identity.
class MenuTree {
public:
    static constexpr int TagRole = Qt::UserRole;

    // Builds the nodes of a string set; the caller owns the returned root.
    static QTreeWidgetItem* build(const kpd::stringData& set);
};
