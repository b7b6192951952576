#pragma once

namespace comrt {

// The root of every object a component library hands to a host. The host deletes what it
// created; the library counts its live objects to answer whether it may be unloaded.
class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object();
};

} // namespace comrt
