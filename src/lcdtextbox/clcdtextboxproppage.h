#pragma once

#include "comrt/propertypage.h"

#include <QWidget>

#include <optional>

class QLineEdit;

// The "General" page: the control's row and column counts, each 1 to 256.
class CLcdtextboxPropPage : public QWidget, public comrt::PropertyPage {
    Q_OBJECT
public:
    static constexpr int minimum = 1;
    static constexpr int maximum = 256;

    explicit CLcdtextboxPropPage(QWidget* parent = nullptr);
    ~CLcdtextboxPropPage() override;

    QString title() const override;
    QWidget* widget() override { return this; }
    comrt::Result setObject(comrt::DispatchObject* object) override;
    comrt::Result apply() override;

private:
    // The field's number, or nothing after telling the user the range and focusing it.
    std::optional<int> checkedValue(QLineEdit* field);

    QLineEdit* m_rows;
    QLineEdit* m_cols;
    comrt::DispatchObject* m_object = nullptr;
};
