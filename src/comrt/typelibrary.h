#pragma once

#include "comtypes.h"

#include <QString>
#include <QUuid>

#include <cstdint>
#include <vector>

namespace comrt {

// The description a component library carries of its classes and interfaces: what a host
// needs to find dispatch identifiers by name and to know each member's type and access.
enum class VarType { Empty, Bool, Int16, Int32, String, Color, Font };

struct ParamInfo {
    QString name;
    VarType type = VarType::Empty;
    bool byRef = false;
};

struct MemberInfo {
    enum Kind { Property, Method };
    DispId id = 0;
    QString name;
    Kind kind = Property;
    // The property's type, or the method's result type (Empty for none).
    VarType type = VarType::Empty;
    bool readOnly = false;
    std::vector<ParamInfo> params;
};

struct TypeInfo {
    enum Kind { CoClass, DispInterface };
    enum Flag : std::uint32_t {
        Hidden = 0x1,
        Creatable = 0x2,
        Control = 0x4,
    };
    Kind kind = DispInterface;
    QUuid id;
    QString name;
    QString helpString;
    std::uint32_t flags = 0;
    std::vector<MemberInfo> members;
    // For a class: its default dispatch interface and its default event source.
    QUuid defaultInterface;
    QUuid defaultSource;

    // Looks a member up the way late-bound callers do: the name without regard to case.
    const MemberInfo* member(const QString& name) const;
    const MemberInfo* member(DispId id) const;
};

struct TypeLibrary {
    QUuid id;
    QString name;
    int majorVersion = 1;
    int minorVersion = 0;
    std::uint32_t locale = 0;
    QString helpString;
    QString helpFile;
    std::vector<TypeInfo> types;

    const TypeInfo* type(const QUuid& typeId) const;
    const TypeInfo* type(const QString& name) const;
    QString versionString() const;
};

} // namespace comrt
