#include "comobject.h"

namespace comrt {

// Defined here so that the type's identity lives in the runtime alone and a host can
// cast what a loaded library hands out.
Object::~Object() = default;

} // namespace comrt
