#include "typelibrary.h"

namespace comrt {

const MemberInfo* TypeInfo::member(const QString& wanted) const
{
    for (const MemberInfo& m : members)
        if (m.name.compare(wanted, Qt::CaseInsensitive) == 0) return &m;
    return nullptr;
}

const MemberInfo* TypeInfo::member(DispId memberId) const
{
    for (const MemberInfo& m : members)
        if (m.id == memberId) return &m;
    return nullptr;
}

const TypeInfo* TypeLibrary::type(const QUuid& typeId) const
{
    for (const TypeInfo& t : types)
        if (t.id == typeId) return &t;
    return nullptr;
}

const TypeInfo* TypeLibrary::type(const QString& typeName) const
{
    for (const TypeInfo& t : types)
        if (t.name == typeName) return &t;
    return nullptr;
}

QString TypeLibrary::versionString() const
{
    return QStringLiteral("%1.%2").arg(majorVersion).arg(minorVersion);
}

} // namespace comrt
