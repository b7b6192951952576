#include "sizebarchart.h"

#include "budgetmeter.h"

#include "modeltext/modeltext.h"

#include <QPainter>

#include <algorithm>

SizeBarChart::SizeBarChart(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(56);
}

void SizeBarChart::setReport(std::shared_ptr<const kpd::SizeReport> report)
{
    report_ = std::move(report);
    update();
}

void SizeBarChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect bar = rect().adjusted(2, 2, -2, -22);
    painter.fillRect(bar, palette().base());
    painter.setPen(palette().text().color());
    if (!report_ || !report_->built()) {
        painter.drawText(bar, Qt::AlignCenter, QStringLiteral("No image"));
        return;
    }
    // An image over the limit fills the bar; the scale is then the image, not the memory.
    const double scale = static_cast<double>(bar.width()) / std::max(report_->totalBytes, report_->limit);
    double x = bar.left();
    int index = 0;
    const auto block = [&](std::uint32_t bytes, const QColor& colour, const QString& name) {
        const double width = bytes * scale;
        const QRectF area(x, bar.top(), width, bar.height());
        painter.fillRect(area, colour);
        painter.setPen(palette().window().color());
        painter.drawLine(area.topRight(), area.bottomRight());
        painter.setPen(Qt::black);
        if (painter.fontMetrics().horizontalAdvance(name) + 4 < width) painter.drawText(area, Qt::AlignCenter, name);
        x += width;
    };
    block(report_->tableBytes, QColor(120, 120, 120), QString());
    for (const kpd::MenuSize& menu : report_->menus)
        block(menu.bytes, QColor::fromHsv((index++ * 47) % 360, 90, 235), toQt(menu.menuKey));
    block(report_->dictionaryBytes, QColor(170, 140, 220), QStringLiteral("dictionary"));
    painter.setPen(report_->fits() ? palette().text().color() : QColor(200, 40, 40));
    if (report_->totalBytes > report_->limit) {
        const double limitX = bar.left() + report_->limit * scale;
        painter.drawLine(QPointF(limitX, bar.top() - 2), QPointF(limitX, bar.bottom() + 2));
    }
    painter.setPen(palette().text().color());
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    painter.drawText(QRect(bar.left(), bar.bottom() + 2, bar.width(), 18), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("0"));
    painter.drawText(QRect(bar.left(), bar.bottom() + 2, bar.width(), 18), Qt::AlignRight | Qt::AlignVCenter,
                     BudgetMeter::grouped(std::max(report_->totalBytes, report_->limit)) + QStringLiteral(" bytes"));
}
