#pragma once

#include "build/sizereport.h"

#include <QWidget>

#include <memory>

// The image drawn as one bar across the keypad's memory: the header and menu table, each
// menu in turn, the dictionary, then what is left free. A glance shows which menus weigh.
class SizeBarChart : public QWidget {
    Q_OBJECT
public:
    explicit SizeBarChart(QWidget* parent = nullptr);

    void setReport(std::shared_ptr<const kpd::SizeReport> report);
    QSize sizeHint() const override { return {600, 64}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<const kpd::SizeReport> report_;
};
