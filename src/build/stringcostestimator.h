#pragma once

#include "dictionary.h"
#include "sizereport.h"
#include "stringencoder.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>

namespace kpd {

// A quick figure for what one text would take in the image, from the dictionary and the
// stored texts of the last size report: cheap enough to run on every key stroke. It does
// not rebuild, so a text that changes the dictionary or the order of the stored strings
// is only estimated; the next analysis gives the exact figure.
class StringCostEstimator {
public:
    struct Estimate {
        std::uint32_t bytes = 0;   // 0 for an empty text
        bool shared = false;       // another parameter stores the same text: a back-reference
    };

    explicit StringCostEstimator(const SizeReport& report);
    // The encoder refers to the dictionary member.
    StringCostEstimator(const StringCostEstimator&) = delete;
    StringCostEstimator& operator=(const StringCostEstimator&) = delete;

    // escaped is the editor's escaped form of a description or help of the parameter.
    Estimate estimate(const std::string& escaped, bool help, std::int16_t unit, const std::string& menuKey,
                      const std::string& paraKey) const;

private:
    Dictionary dictionary_;
    StringEncoder encoder_;
    // The stored text after substitution, and the parameter that stores it.
    std::unordered_map<std::string, std::pair<std::string, std::string>> stored_;
};

} // namespace kpd
