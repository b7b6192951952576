#include "costtext.h"

#include "parameditsession.h"

#include "build/stringcostestimator.h"
#include "model/theapp.h"

#include <QLabel>

CostText::CostText(QLabel& label)
    : label_(label)
{
}

void CostText::setEstimator(std::shared_ptr<const kpd::StringCostEstimator> estimator)
{
    estimator_ = std::move(estimator);
    label_.setVisible(estimator_ != nullptr);
}

void CostText::show(const ParamEditSession& session, bool help, const std::string& text)
{
    if (!estimator_) return;
    const kpd::ModeData& stored = session.modeData(ParamEditSession::Panel::Cust);
    const std::string& menuKey = session.custMenu().menuKey();
    const std::string& paraKey = session.custParam().paraKey();
    const auto now = estimator_->estimate(text, help, session.unit(ParamEditSession::Panel::Cust), menuKey, paraKey);
    const auto before =
        estimator_->estimate(help ? stored.getHelp() : stored.getDesc(), help, stored.unit(), menuKey, paraKey);
    const std::int64_t change = static_cast<std::int64_t>(now.bytes) - before.bytes;
    label_.setText((help ? QStringLiteral("Help text: ") : QStringLiteral("Description: ")) +
                   QString::number(now.bytes) + QStringLiteral(" B") +
                   (now.shared ? QStringLiteral(", shared with another parameter") : QString()) +
                   QStringLiteral(" (") + (change > 0 ? QStringLiteral("+") : QString()) + QString::number(change) +
                   QStringLiteral(" B against the stored text)"));
}
