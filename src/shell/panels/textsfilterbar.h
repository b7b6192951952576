#pragma once

#include "checks/textfilter.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kpd {
class TheApp;
}

// The texts list's filters: a search box, the status, menu and field choices, and the
// count of the rows shown. Every change of a filter is announced with changed().
class TextsFilterBar : public QWidget {
    Q_OBJECT
public:
    explicit TextsFilterBar(QWidget* parent = nullptr);
    kpd::TextFilter filter() const;
    // The menus of the custom set, offered by key and name.
    void fillMenus(const kpd::TheApp& app);
    void showCount(int shown, int total);

signals:
    void changed();

private:
    QLineEdit* search_;
    QComboBox* status_;
    QComboBox* menu_;
    QComboBox* field_;
    QLabel* count_;
};
