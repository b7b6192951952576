#include "menutree.h"

#include "model/stringdata.h"
#include "modeltext/modeltext.h"

#include <QScrollBar>
#include <QTreeWidget>

namespace {

QTreeWidgetItem* node(QTreeWidgetItem* parent, const std::string& text, const QString& tag)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem;
    item->setText(0, toQt(text));
    item->setData(0, MenuTree::TagRole, tag);
    return item;
}

QString tag(const char* kind, const std::string& key)
{
    return QString::fromLatin1(kind) + toQt(key);
}

} // namespace

QTreeWidgetItem* MenuTree::build(const kpd::stringData& set)
{
    QTreeWidgetItem* root = node(nullptr, set.rootName(), tag("root", set.dbKey()));
    QFont bold = root->font(0);
    bold.setBold(true);
    root->setFont(0, bold);
    for (const kpd::DrvMenu& menu : set.DrvMenus()) {
        if (menu.hidden()) continue;
        QTreeWidgetItem* menuNode = node(root, menu.menuName(), tag("menu", menu.menuKey()));
        // Until it is filled the node has no children to show it can be opened.
        if (menu.Parameters().Count() > 0) menuNode->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    return root;
}

void MenuTree::fill(QTreeWidgetItem* menuNode, const kpd::stringData& set)
{
    const QString menuTag = menuNode->data(0, TagRole).toString();
    if (menuNode->childCount() > 0 || !menuTag.startsWith(QLatin1String("menu"))) return;
    const kpd::DrvMenu* menu = set.DrvMenus().find(toModel(menuTag.mid(4)));
    if (!menu) return;
    const bool mapped = menu->isMapped();
    for (const kpd::Parameter& parameter : menu->Parameters()) {
        QTreeWidgetItem* paraNode = node(menuNode, mapped ? parameter.mapName() : parameter.paraName(),
                                         tag("para", mapped ? parameter.tripKey() : parameter.paraKey()));
        for (const kpd::ModeData& mode : parameter.modes()) node(paraNode, mode.modeKey(), tag("data", mode.modeKey()));
    }
}

int MenuTree::namesWidth(const QTreeWidget& tree)
{
    // The tree's own override is protected; the item view's is public and dispatches to it.
    const QAbstractItemView& view = tree;
    return view.sizeHintForColumn(0) + 2 * tree.frameWidth() + tree.verticalScrollBar()->sizeHint().width();
}
