#include "textslistmodel.h"

#include "build/stringcostestimator.h"
#include "checks/reviewmarks.h"
#include "checks/textrows.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"
#include "views/displayconversion.h"

#include <QByteArray>

#include <algorithm>
#include <string_view>
#include <utility>

TextsListModel::TextsListModel(kpd::TextRows& rows, QObject* parent) : QAbstractTableModel(parent), rows_(rows)
{
}

int TextsListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int TextsListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TextsListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const titles[] = {"Menu",      "Parameter", "Mode",  "Field",
                                         "Reference", "Custom",    "Bytes", "Status"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}

QVariant TextsListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const std::size_t i = textRow(index.row());
    const kpd::TextRows::Row& row = rows_.row(i);
    const bool textColumn = index.column() == Reference || index.column() == Custom;
    const std::string& text = index.column() == Reference ? rows_.refText(i) : rows_.text(i);
    if (role == EscapedRole && textColumn) return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
    case Menu: return toQt(row.menu->menuKey()) + QStringLiteral("  ") + toQt(row.menu->menuName());
    case Parameter: return toQt(row.param->paraKey()) + QStringLiteral("  ") + toQt(row.param->paraName());
    case Mode: return toQt(row.mode->modeKey());
    case Field: return toQt(std::string(kpd::fieldName(row.field)));
    case Reference:
    case Custom: return toQt(displayDescription(text));
    case Bytes: {
        const auto bytes = cost(i, rows_.text(i));
        return bytes ? QVariant(static_cast<qlonglong>(*bytes)) : QVariant();
    }
    case Status: {
        QString status = toQt(rows_.statusText(i));
        if (role == Qt::ToolTipRole && !toQt(rows_.marks().note(rows_.key(i))).isEmpty())
            status += QStringLiteral("\n") + toQt(rows_.marks().note(rows_.key(i)));
        return status;
    }
    default: return {};
    }
}

std::optional<std::int64_t> TextsListModel::cost(std::size_t i, const std::string& text) const
{
    if (!estimator_) return std::nullopt;
    const kpd::TextRows::Row& row = rows_.row(i);
    return estimator_
        ->estimate(text, row.field == kpd::TextField::Help, row.mode->unit(), row.menu->menuKey(), row.param->paraKey())
        .bytes;
}

void TextsListModel::setEstimator(std::shared_ptr<const kpd::StringCostEstimator> estimator)
{
    estimator_ = std::move(estimator);
    if (!order_.empty()) emit dataChanged(index(0, Bytes), index(rowCount() - 1, Bytes));
}

void TextsListModel::setFilter(kpd::TextFilter filter)
{
    filter_ = std::move(filter);
    beginResetModel();
    applyFilter();
    endResetModel();
}

void TextsListModel::reload()
{
    beginResetModel();
    rows_.rebuild();
    applyFilter();
    endResetModel();
}

void TextsListModel::refresh()
{
    beginResetModel();
    rows_.recheck();
    applyFilter();
    endResetModel();
}

void TextsListModel::applyFilter()
{
    order_ = filter_.apply(rows_);
    sortOrder();
    emit shownCountChanged(static_cast<int>(order_.size()), static_cast<int>(rows_.size()));
}

void TextsListModel::sort(int column, Qt::SortOrder order)
{
    sortColumn_ = column;
    sortOrder_ = order;
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> rowsBefore;
    for (const QModelIndex& at : before) rowsBefore.push_back(textRow(at.row()));
    sortOrder();
    QModelIndexList after;
    for (std::size_t k = 0; k < rowsBefore.size(); ++k)
        after.append(index(listRow(rowsBefore[k]).value_or(0), before[static_cast<int>(k)].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

void TextsListModel::sortOrder()
{
    // The set's own order is the order of the menu, parameter, mode and field columns.
    std::sort(order_.begin(), order_.end());
    if (sortColumn_ < 0) return;
    const auto by = [this](auto key) {
        // Each key worked out once: a cost or a status per comparison would take seconds
        // over the largest drive's rows.
        std::vector<std::pair<decltype(key(std::size_t{})), std::size_t>> keyed;
        keyed.reserve(order_.size());
        for (std::size_t row : order_) keyed.emplace_back(key(row), row);
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t k = 0; k < keyed.size(); ++k) order_[k] = keyed[k].second;
    };
    switch (sortColumn_) {
    case Reference: by([this](std::size_t r) { return std::string_view(rows_.refText(r)); }); break;
    case Custom: by([this](std::size_t r) { return std::string_view(rows_.text(r)); }); break;
    case Status: by([this](std::size_t r) { return rows_.statusText(r); }); break;
    case Bytes: by([this](std::size_t r) { return cost(r, rows_.text(r)).value_or(-1); }); break;
    case Parameter: by([this](std::size_t r) { return std::string_view(rows_.row(r).param->paraName()); }); break;
    default: break;
    }
    if (sortOrder_ == Qt::DescendingOrder) std::reverse(order_.begin(), order_.end());
}

std::optional<int> TextsListModel::listRow(std::size_t row) const
{
    const auto found = std::find(order_.begin(), order_.end(), row);
    if (found == order_.end()) return std::nullopt;
    return static_cast<int>(found - order_.begin());
}

void TextsListModel::textWritten(std::size_t row)
{
    if (const auto at = listRow(row)) emit dataChanged(index(*at, 0), index(*at, ColumnCount - 1));
}
