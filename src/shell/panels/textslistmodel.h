#pragma once

#include "checks/textfilter.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace kpd {
class StringCostEstimator;
class TextRows;
} // namespace kpd

// The texts list as a table over TextRows: the rows the filter lets through, in the order
// last sorted. The reference and custom columns hand the delegate the escaped text to lay
// out as keypad lines. A row written through the list stays where it is until the filter
// is applied again, so that walking the list with Enter keeps its place.
class TextsListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Menu, Parameter, Mode, Field, Reference, Custom, Bytes, Status, ColumnCount };
    // The escaped text of the Reference and Custom cells, as a QByteArray of keypad bytes.
    static constexpr int EscapedRole = Qt::UserRole + 1;

    explicit TextsListModel(kpd::TextRows& rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    const kpd::TextFilter& filter() const { return filter_; }
    void setFilter(kpd::TextFilter filter);
    // The rows rebuilt from the set (another file, another set), the filter applied again.
    void reload();
    // Statuses checked again and the filter applied again, for edits made elsewhere.
    void refresh();
    // The row of TextRows at a list row, and back.
    std::size_t textRow(int listRow) const { return order_[static_cast<std::size_t>(listRow)]; }
    std::optional<int> listRow(std::size_t textRow) const;
    const std::vector<std::size_t>& order() const { return order_; }
    // A row's text was written: its cells are drawn again.
    void textWritten(std::size_t textRow);
    void setEstimator(std::shared_ptr<const kpd::StringCostEstimator> estimator);
    bool hasEstimator() const { return estimator_ != nullptr; }
    // What a text of the row would cost in the image; nothing before the first size analysis.
    std::optional<std::int64_t> cost(std::size_t textRow, const std::string& text) const;

signals:
    void shownCountChanged(int shown, int total);

private:
    void applyFilter();
    void sortOrder();

    kpd::TextRows& rows_;
    kpd::TextFilter filter_;
    std::vector<std::size_t> order_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    std::shared_ptr<const kpd::StringCostEstimator> estimator_;
};
