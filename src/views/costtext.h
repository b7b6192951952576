#pragma once

#include <memory>
#include <string>

class ParamEditSession;
class QLabel;

namespace kpd {
class StringCostEstimator;
}

// The line under the editor with what a custom text being typed would cost in the image,
// against the text the custom set stores. Without an estimator it stays hidden.
class CostText {
public:
    explicit CostText(QLabel& label);

    void setEstimator(std::shared_ptr<const kpd::StringCostEstimator> estimator);
    bool hasEstimator() const { return estimator_ != nullptr; }
    // Model errors of the session pass through.
    void show(const ParamEditSession& session, bool help, const std::string& text);

private:
    QLabel& label_;
    std::shared_ptr<const kpd::StringCostEstimator> estimator_;
};
