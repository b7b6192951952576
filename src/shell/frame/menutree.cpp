#include "menutree.h"

#include "model/stringdata.h"
#include "modeltext/modeltext.h"

#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace {

using Kind = MenuTree::Node::Kind;

QTreeWidgetItem* node(QTreeWidgetItem* parent, const std::string& text, Kind kind, const std::string& key)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem;
    item->setText(0, toQt(text));
    item->setData(0, MenuTree::NodeRole, QVariant::fromValue(MenuTree::Node{kind, toQt(key)}));
    return item;
}

} // namespace

MenuTree::Node MenuTree::nodeOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, NodeRole).value<Node>() : Node{};
}

QTreeWidgetItem* MenuTree::build(const kpd::stringData& set)
{
    QTreeWidgetItem* root = node(nullptr, set.rootName(), Kind::Root, set.dbKey());
    QFont bold = root->font(0);
    bold.setBold(true);
    root->setFont(0, bold);
    for (const kpd::DrvMenu& menu : set.DrvMenus()) {
        if (menu.hidden()) continue;
        QTreeWidgetItem* menuNode = node(root, menu.menuName(), Kind::Menu, menu.menuKey());
        // Until it is filled the node has no children to show it can be opened.
        if (menu.Parameters().Count() > 0) menuNode->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    return root;
}

void MenuTree::fill(QTreeWidgetItem* menuNode, const kpd::stringData& set)
{
    const Node menuOfNode = nodeOf(menuNode);
    if (menuNode->childCount() > 0 || menuOfNode.kind != Kind::Menu) return;
    const kpd::DrvMenu* menu = set.DrvMenus().find(toModel(menuOfNode.key));
    if (!menu) return;
    const bool mapped = menu->isMapped();
    for (const kpd::Parameter& parameter : menu->Parameters()) {
        QTreeWidgetItem* paraNode = node(menuNode, mapped ? parameter.mapName() : parameter.paraName(), Kind::Parameter,
                                         mapped ? parameter.tripKey() : parameter.paraKey());
        for (const kpd::ModeData& mode : parameter.modes()) node(paraNode, mode.modeKey(), Kind::Mode, mode.modeKey());
    }
}

int MenuTree::namesWidth(const QTreeWidget& tree, const kpd::stringData& set)
{
    // Parameter nodes wait for their menu to open, so their names are measured from the set.
    // Measuring every name of the largest drives would cost a good part of the start; a
    // name's width follows its length closely, so only the longest few are measured.
    std::vector<const std::string*> names;
    for (const kpd::DrvMenu& menu : set.DrvMenus()) {
        if (menu.hidden()) continue;
        for (const kpd::Parameter& parameter : menu.Parameters())
            names.push_back(menu.isMapped() ? &parameter.mapName() : &parameter.paraName());
    }
    const auto measured = names.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(names.size(), 32));
    std::partial_sort(names.begin(), measured, names.end(),
                      [](const std::string* a, const std::string* b) { return a->size() > b->size(); });
    int widest = 0;
    for (auto name = names.begin(); name != measured; ++name)
        widest = std::max(widest, tree.fontMetrics().horizontalAdvance(toQt(**name)));
    // A parameter node sits two levels below the root, whose own level is indented too.
    const int indentation = tree.indentation() * (tree.rootIsDecorated() ? 3 : 2);
    const int textMargins = 2 * (tree.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &tree) + 1);
    // The tree's own override is protected; the item view's is public and dispatches to it.
    const QAbstractItemView& view = tree;
    return std::max(view.sizeHintForColumn(0), indentation + widest + textMargins) + 2 * tree.frameWidth() +
           tree.verticalScrollBar()->sizeHint().width();
}
