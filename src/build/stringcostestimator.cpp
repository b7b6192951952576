#include "stringcostestimator.h"

#include "stringcollector.h"

namespace kpd {

namespace {

std::vector<std::string> dictionaryWords(const SizeReport& report)
{
    std::vector<std::string> words;
    words.reserve(report.words.size());
    for (const WordSize& w : report.words) words.push_back(w.word);
    return words;
}

} // namespace

StringCostEstimator::StringCostEstimator(const SizeReport& report)
    : dictionary_(dictionaryWords(report)), encoder_(dictionary_)
{
    for (const StringSize& s : report.strings) {
        const ParamSize& owner = report.parameters[s.owner];
        stored_.emplace(encoder_.substitute(s.text), std::make_pair(owner.menuKey, owner.paraKey));
    }
}

StringCostEstimator::Estimate StringCostEstimator::estimate(const std::string& escaped, bool help, std::int16_t unit,
                                                            const std::string& menuKey,
                                                            const std::string& paraKey) const
{
    const std::string text = StringCollector::keypadText(escaped, help, unit);
    if (text.empty()) return {};
    const std::string stored = encoder_.substitute(text);
    const auto found = stored_.find(stored);
    if (found != stored_.end() && found->second != std::make_pair(menuKey, paraKey))
        return {SizeReport::kBackReferenceBytes, true};
    return {static_cast<std::uint32_t>(stored.size() + 1), false};
}

} // namespace kpd
