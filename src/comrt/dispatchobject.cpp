#include "dispatchobject.h"

#include "typelibrary.h"

namespace comrt {

namespace {

Result lookUp(const TypeInfo* type, const QString& name, DispId& id)
{
    if (!type) return result::unexpected;
    const MemberInfo* member = type->member(name);
    if (!member) return result::unknownName;
    id = member->id;
    return result::ok;
}

} // namespace

DispatchObject::~DispatchObject() = default;

const TypeInfo* DispatchObject::dispatchInterface() const
{
    const TypeInfo* coClass = typeLibrary().type(classId());
    return coClass ? typeLibrary().type(coClass->defaultInterface) : nullptr;
}

const TypeInfo* DispatchObject::eventInterface() const
{
    const TypeInfo* coClass = typeLibrary().type(classId());
    return coClass ? typeLibrary().type(coClass->defaultSource) : nullptr;
}

Result DispatchObject::idOfName(const QString& name, DispId& id) const
{
    return lookUp(dispatchInterface(), name, id);
}

Result DispatchObject::idOfEvent(const QString& name, DispId& id) const
{
    return lookUp(eventInterface(), name, id);
}

} // namespace comrt
