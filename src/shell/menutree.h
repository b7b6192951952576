#pragma once

#include <Qt>

class QTreeWidget;
class QTreeWidgetItem;

namespace kpd {
class stringData;
}

// The drive's menu tree: root, visible menus, their parameters and modes. Each node
// carries a tag of four letters and a key ("root", "menu", "para", "data") as its identity.
// A menu's parameter and mode nodes are made when the menu is first opened: the largest
// drives have tens of thousands of them, which took a tenth of the editor's start and
// twenty megabytes for branches a user mostly never opens.
class MenuTree {
public:
    static constexpr int TagRole = Qt::UserRole;

    // Builds the root and menu nodes of a string set; the caller owns the returned root.
    static QTreeWidgetItem* build(const kpd::stringData& set);
    // Makes the parameter and mode nodes of a menu node of `set`, once.
    static void fill(QTreeWidgetItem* menuNode, const kpd::stringData& set);
    // The width that shows the names of the tree's menus and of their parameters whole,
    // frame and vertical scroll bar included; `set` is the set the tree was built from.
    static int namesWidth(const QTreeWidget& tree, const kpd::stringData& set);
};
