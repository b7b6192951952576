#include "budgetmeter.h"

#include "shell/backgroundanalysis.h"

#include "build/sizeanalysis.h"
#include "build/stringcostestimator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QTimer>

namespace {

const char* barColour(const kpd::SizeReport& report)
{
    if (!report.fits()) return "#D03030";
    if (report.totalBytes > BudgetMeter::kAmberShare * report.limit) return "#E0A000";
    return "#40A040";
}

} // namespace

BudgetMeter::BudgetMeter(std::function<const kpd::TheApp*()> app, QWidget* parent, int debounceMs)
    : QWidget(parent),
      app_(std::move(app)),
      bar_(new QProgressBar(this)),
      figure_(new QLabel(this)),
      change_(new QLabel(this)),
      changeTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("BudgetMeter"));
    // The snapshot copies the collected texts; the work never sees the model.
    analysis_ = new BackgroundAnalysis(
        [this]() -> BackgroundAnalysis::Work {
            const kpd::TheApp* root = app_();
            if (!root) return {};
            auto input = std::make_shared<kpd::SizeInput>(kpd::SizeAnalysis::collect(*root));
            return [this, input]() -> BackgroundAnalysis::Delivery {
                auto report = std::make_shared<const kpd::SizeReport>(kpd::SizeAnalysis::analyse(*input));
                return [this, report] { show(report); };
            };
        },
        this, debounceMs < 0 ? BackgroundAnalysis::kDebounceMs : debounceMs);
    connect(analysis_, &BackgroundAnalysis::staleChanged, this, &BudgetMeter::showStale);

    bar_->setRange(0, 1000);
    bar_->setTextVisible(false);
    bar_->setFixedSize(80, 12);
    change_->setObjectName(QStringLiteral("BudgetChange"));
    figure_->setObjectName(QStringLiteral("BudgetFigure"));
    figure_->setText(QStringLiteral("Counting bytes..."));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(figure_);
    layout->addWidget(bar_);
    layout->addWidget(change_);
    change_->hide();
    changeTimer_->setSingleShot(true);
    changeTimer_->setInterval(kChangeShownMs);
    connect(changeTimer_, &QTimer::timeout, change_, &QWidget::hide);
}

BudgetMeter::~BudgetMeter() = default;

QString BudgetMeter::grouped(std::int64_t value)
{
    return QLocale(QLocale::English).toString(static_cast<qlonglong>(value));
}

void BudgetMeter::request()
{
    analysis_->request();
}

std::shared_ptr<const kpd::StringCostEstimator> BudgetMeter::estimator()
{
    if (!estimator_ && report_ && report_->built()) estimator_ = std::make_shared<kpd::StringCostEstimator>(*report_);
    return estimator_;
}

QString BudgetMeter::figureText() const
{
    return figure_->text();
}

QString BudgetMeter::changeText() const
{
    return change_->text();
}

bool BudgetMeter::changeVisible() const
{
    return !change_->isHidden();
}

void BudgetMeter::show(std::shared_ptr<const kpd::SizeReport> report)
{
    const std::shared_ptr<const kpd::SizeReport> before = report_;
    report_ = std::move(report);
    estimator_.reset();
    if (!report_->built()) {
        figure_->setText(QStringLiteral("The set cannot be built"));
        figure_->setToolTip(QString::fromStdString(report_->failure));
        bar_->setValue(bar_->maximum());
    } else {
        const double share = static_cast<double>(report_->totalBytes) / report_->limit;
        figure_->setText(grouped(report_->totalBytes) + QStringLiteral(" bytes used of ") + grouped(report_->limit) +
                         QStringLiteral(" (") + QString::number(100.0 * share, 'f', 1) + QStringLiteral(" %)"));
        figure_->setToolTip(report_->fits()
                                ? grouped(report_->limit - report_->totalBytes) + QStringLiteral(" bytes left")
                                : QStringLiteral("Too large for the keypad by ") +
                                      grouped(report_->totalBytes - report_->limit) + QStringLiteral(" bytes"));
        bar_->setValue(static_cast<int>(std::min(1.0, share) * bar_->maximum()));
    }
    bar_->setStyleSheet(
        QStringLiteral("QProgressBar::chunk { background: %1; }").arg(QLatin1String(barColour(*report_))));
    const std::int64_t change = before && before->built() && report_->built()
                                    ? static_cast<std::int64_t>(report_->totalBytes) - before->totalBytes
                                    : 0;
    // Closing the parameter editor recounts what its Commit already counted: that zero
    // must not wipe the change the Commit made while it is still on show.
    const bool keepShown = change == 0 && changeVisible();
    if (before && before->built() && report_->built() && !keepShown) {
        change_->setText((change > 0 ? QStringLiteral("+") : QString()) + grouped(change) + QStringLiteral(" B"));
        change_->show();
        changeTimer_->start();
    }
    emit reportChanged();
}

void BudgetMeter::showStale(bool stale)
{
    // Greyed, not hidden: the old figure is still a fair guide while the recount runs.
    figure_->setEnabled(!stale);
    bar_->setEnabled(!stale);
}
