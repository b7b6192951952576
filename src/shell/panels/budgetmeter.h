#pragma once

#include "build/sizereport.h"

#include <QWidget>

#include <functional>
#include <memory>

class BackgroundAnalysis;
class QLabel;
class QProgressBar;
class QTimer;

namespace kpd {
class StringCostEstimator;
class TheApp;
} // namespace kpd

// The status bar's byte budget: how much of the keypad's memory the custom set's image
// takes, recounted off the GUI thread after every edit, and for a few seconds the change
// the last edit made. While a recount is due the figure is greyed: it describes an older set.
class BudgetMeter : public QWidget {
    Q_OBJECT
public:
    static constexpr int kChangeShownMs = 4000;
    static constexpr double kAmberShare = 0.95;

    // app gives the data root to read, or null while there is none.
    explicit BudgetMeter(std::function<const kpd::TheApp*()> app, QWidget* parent = nullptr, int debounceMs = -1);
    ~BudgetMeter() override;

    BackgroundAnalysis& analysis() const { return *analysis_; }
    // The last delivered report; null before the first.
    std::shared_ptr<const kpd::SizeReport> report() const { return report_; }
    // Built from the last report when first asked for.
    std::shared_ptr<const kpd::StringCostEstimator> estimator();

    QString figureText() const;
    QString changeText() const;
    bool changeVisible() const;

    // "131,072" as people read byte counts.
    static QString grouped(std::int64_t value);

public slots:
    void request();

signals:
    void reportChanged();

private:
    void show(std::shared_ptr<const kpd::SizeReport> report);
    void showStale(bool stale);

    std::function<const kpd::TheApp*()> app_;
    BackgroundAnalysis* analysis_;
    QProgressBar* bar_;
    QLabel* figure_;
    QLabel* change_;
    QTimer* changeTimer_;
    std::shared_ptr<const kpd::SizeReport> report_;
    std::shared_ptr<const kpd::StringCostEstimator> estimator_;
};
