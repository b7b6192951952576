#include "eventsink.h"

namespace comrt {

EventSink::~EventSink() = default;

} // namespace comrt
