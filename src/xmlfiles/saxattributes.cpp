#include "saxattributes.h"

#include "model/modelerror.h"

namespace kpd {

namespace {

void checkIndex(int index, int length)
{
    if (index < 0 || index >= length)
        throw ModelError(ModelError::InvalidCall, "No attribute at position " + std::to_string(index));
}

} // namespace

const std::string& SaxAttributes::getQName(int index) const
{
    checkIndex(index, getLength());
    return pairs_[static_cast<std::size_t>(index)].first;
}

std::string SaxAttributes::getLocalName(int index) const
{
    const std::string& qName = getQName(index);
    const std::size_t colon = qName.find(':');
    return colon == std::string::npos ? qName : qName.substr(colon + 1);
}

const std::string& SaxAttributes::getValue(int index) const
{
    checkIndex(index, getLength());
    return pairs_[static_cast<std::size_t>(index)].second;
}

const SaxAttributes::Pairs& SaxAttributes::empty()
{
    static const Pairs none;
    return none;
}

// Compared as views, which look at the lengths first: the loaders ask for several
// attributes of each of hundreds of thousands of elements, nearly all by a name of
// another length.
const std::string* SaxAttributes::find(std::string_view qName) const
{
    for (std::size_t i = 0; i < count_; ++i) {
        if (std::string_view(pairs_[i].first) == qName) return &pairs_[i].second;
    }
    return nullptr;
}

const std::string& SaxAttributes::getValueFromQName(const std::string& qName) const
{
    if (const std::string* value = find(qName)) return *value;
    throw ModelError(ModelError::InvalidCall, "The element has no attribute \"" + qName + "\"");
}

} // namespace kpd
