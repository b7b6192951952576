#pragma once

#include <QStandardItem>

// A cell of the panels' trees: shown, selected and activated, never edited in place.
inline QStandardItem* readOnlyItem(const QString& text)
{
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    return item;
}
