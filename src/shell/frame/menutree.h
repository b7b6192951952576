#pragma once

#include <QMetaType>
#include <QString>
#include <Qt>

class QTreeWidget;
class QTreeWidgetItem;

namespace kpd {
class stringData;
}

// The drive's menu tree: root, visible menus, their parameters and modes. Each node
// carries its kind and key as a MenuTree::Node in its item data.
// A menu's parameter and mode nodes are made when the menu is first opened: the largest
// drives have tens of thousands of them, which took a tenth of the editor's start and
// twenty megabytes for branches a user mostly never opens.
class MenuTree {
public:
    static constexpr int NodeRole = Qt::UserRole;

    struct Node {
        enum class Kind { None, Root, Menu, Parameter, Mode };
        Kind kind = Kind::None;
        // The set's key for the root, the menu, parameter (or trip) or mode key below it.
        QString key;
        bool operator==(const Node&) const = default;
    };

    // What a tree item stands for; a kind of None for an item that is no node of the tree.
    static Node nodeOf(const QTreeWidgetItem* item);

    // Builds the root and menu nodes of a string set; the caller owns the returned root.
    static QTreeWidgetItem* build(const kpd::stringData& set);
    // Makes the parameter and mode nodes of a menu node of `set`, once.
    static void fill(QTreeWidgetItem* menuNode, const kpd::stringData& set);
    // The width that shows the names of the tree's menus and of their parameters whole,
    // frame and vertical scroll bar included; `set` is the set the tree was built from.
    static int namesWidth(const QTreeWidget& tree, const kpd::stringData& set);
};

Q_DECLARE_METATYPE(MenuTree::Node)
