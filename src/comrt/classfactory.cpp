#include "classfactory.h"

namespace comrt {

ClassFactory::~ClassFactory() = default;

} // namespace comrt
