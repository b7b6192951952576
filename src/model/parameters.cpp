#include "parameters.h"

#include "numbertext.h"

#include <memory>

namespace kpd {

Parameter* Parameters::Add(const std::string& key)
{
    if (addExisting_) return nullptr;
    const Int16Result number = numberOfKey(key);
    if (number.status != NumberStatus::Ok)
        throw ModelError(ModelError::TypeMismatch, "The parameter key \"" + key + "\" holds no number");
    auto parameter = std::make_unique<Parameter>();
    parameter->setParaKey(key);
    parameter->setParaNumber(number.value);
    return &appendOwned(key, std::move(parameter));
}

Parameter* Parameters::addExisting(const std::string& key, Parameter& aParam)
{
    if (!addExisting_) return nullptr;
    appendShared(key, aParam);
    aParam.setTripKey(key);
    return &aParam;
}

void Parameters::sortParams()
{
    stableReorder([](const Parameter& a, const Parameter& b) { return a.paraNumber() < b.paraNumber(); });
}

} // namespace kpd
