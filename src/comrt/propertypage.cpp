#include "propertypage.h"

namespace comrt {

PropertyPage::~PropertyPage() = default;

} // namespace comrt
