#include "differencetreemodel.h"

#include "model/counted.h"
#include "model/drvmenus.h"
#include "modeltext/modeltext.h"
#include "readonlyitem.h"
#include "views/keyednames.h"

#include <QColor>

#include <map>
#include <string>
#include <utility>

namespace {

// Kept on a field row's first cell: the difference's position in the list.
constexpr int kDifferenceRole = Qt::UserRole;

QString countText(int count, int conflicts)
{
    QString text = QString::number(count);
    if (conflicts) text += QStringLiteral(" (") + toQt(kpd::counted(conflicts, "conflict")) + QLatin1Char(')');
    return text;
}

// Writes the counts of every branch beside it; returns the branch's differences and conflicts.
std::pair<int, int> writeCounts(QStandardItem* item, const std::vector<kpd::Difference>& differences)
{
    if (!item->hasChildren()) {
        const auto& d = differences[static_cast<std::size_t>(item->data(kDifferenceRole).toULongLong())];
        return {1, d.isConflict() ? 1 : 0};
    }
    std::pair<int, int> total{0, 0};
    for (int i = 0; i < item->rowCount(); ++i) {
        const auto [count, conflicts] = writeCounts(item->child(i), differences);
        total.first += count;
        total.second += conflicts;
    }
    QStandardItem* parent = item->parent() ? item->parent() : item->model()->invisibleRootItem();
    parent->setChild(item->row(), 1, readOnlyItem(countText(total.first, total.second)));
    return total;
}

} // namespace

DifferenceTreeModel::DifferenceTreeModel(QObject* parent) : QStandardItemModel(0, 2, parent)
{
    setHorizontalHeaderLabels({QStringLiteral("Difference"), QStringLiteral("Count")});
}

void DifferenceTreeModel::fill(const std::vector<kpd::Difference>& differences, const Filter& shown,
                               const kpd::DrvMenus& ourMenus)
{
    setRowCount(0);
    std::map<std::string, QStandardItem*> nodes;
    const auto node = [&](QStandardItem* parent, const std::string& key, const QString& text) {
        QStandardItem*& slot = nodes[key];
        if (!slot) {
            slot = readOnlyItem(text);
            (parent ? parent : invisibleRootItem())->appendRow(slot);
        }
        return slot;
    };
    for (std::size_t i = 0; i < differences.size(); ++i) {
        const kpd::Difference& d = differences[i];
        if (!shown(d)) continue;
        const kpd::DrvMenu* menu = ourMenus.find(d.menuKey());
        const bool dirty = menu && menu->dirty();
        QStandardItem* menuRow = node(nullptr, d.menuKey(),
                                      toQt(KeyedNames::menu(d.menuKey(), menu, d.ours.menuName)) +
                                          (dirty ? QStringLiteral(" *") : QString()));
        if (dirty) menuRow->setToolTip(QStringLiteral("Unsaved changes"));
        QStandardItem* paraRow = node(menuRow, d.menuKey() + '\n' + d.paraKey(),
                                      toQt(KeyedNames::parameter(d.paraKey(), menu, d.ours.paraName)));
        QStandardItem* modeRow =
            node(paraRow, d.menuKey() + '\n' + d.paraKey() + '\n' + d.modeKey(), toQt(d.modeKey()));
        QStandardItem* field = readOnlyItem(QString::fromLatin1(kpd::fieldName(d.field)));
        field->setData(static_cast<qulonglong>(i), kDifferenceRole);
        QStandardItem* change = readOnlyItem(QString::fromLatin1(kpd::changeName(d.change)));
        if (d.isConflict()) change->setForeground(QColor(200, 0, 0));
        modeRow->appendRow({field, change});
    }
    for (int i = 0; i < rowCount(); ++i) writeCounts(item(i), differences);
}

std::optional<std::size_t> DifferenceTreeModel::differenceAt(const QModelIndex& index) const
{
    const QModelIndex first = index.siblingAtColumn(0);
    if (!first.isValid() || hasChildren(first)) return std::nullopt;
    return static_cast<std::size_t>(first.data(kDifferenceRole).toULongLong());
}

std::vector<std::size_t> DifferenceTreeModel::differencesUnder(const QModelIndex& branch) const
{
    std::vector<std::size_t> found;
    if (!branch.isValid()) return found;
    std::vector<QModelIndex> pending{branch.siblingAtColumn(0)};
    while (!pending.empty()) {
        const QModelIndex row = pending.back();
        pending.pop_back();
        if (const std::optional<std::size_t> difference = differenceAt(row)) found.push_back(*difference);
        for (int i = rowCount(row) - 1; i >= 0; --i) pending.push_back(index(i, 0, row));
    }
    return found;
}
