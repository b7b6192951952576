#pragma once

#include <QString>

#include <cstdint>

// The vocabulary shared by the component runtime and the component libraries it loads:
// 32-bit result codes (negative means failure) and dispatch identifiers.
namespace comrt {

using Result = std::int32_t;
using DispId = std::int32_t;

// Result codes keep the platform's 32-bit values, so a number printed by one side means
// the same to the other and to anyone reading a log.
namespace result {
constexpr Result ok = 0;
constexpr Result falseOk = 1;
constexpr Result notImplemented = static_cast<Result>(0x80004001u);
constexpr Result noInterface = static_cast<Result>(0x80004002u);
constexpr Result nullPointer = static_cast<Result>(0x80004003u);
constexpr Result fail = static_cast<Result>(0x80004005u);
constexpr Result unexpected = static_cast<Result>(0x8000FFFFu);
constexpr Result invalidArgument = static_cast<Result>(0x80070057u);
constexpr Result accessDenied = static_cast<Result>(0x80070005u);
constexpr Result memberNotFound = static_cast<Result>(0x80020003u);
constexpr Result overflow = static_cast<Result>(0x8002000Au);
constexpr Result typeMismatch = static_cast<Result>(0x80020005u);
constexpr Result unknownName = static_cast<Result>(0x80020006u);
constexpr Result badParamCount = static_cast<Result>(0x8002000Eu);
constexpr Result disconnected = static_cast<Result>(0x80010108u);
constexpr Result classNotAvailable = static_cast<Result>(0x80040111u);
constexpr Result classNotRegistered = static_cast<Result>(0x80040154u);
constexpr Result invalidProgId = static_cast<Result>(0x800401F3u);
constexpr Result moduleNotFound = static_cast<Result>(0x8007007Eu);
constexpr Result procedureNotFound = static_cast<Result>(0x8007007Fu);
constexpr Result registryAccess = static_cast<Result>(0x80029C4Au);
constexpr Result selfRegTypeLib = static_cast<Result>(0x80040200u);
constexpr Result selfRegClass = static_cast<Result>(0x80040201u);
// The controls framework's error for setting a property that has no setter.
constexpr Result propertyReadOnly = static_cast<Result>(0x800A017Fu);
constexpr Result invalidPropertyValue = static_cast<Result>(0x800A017Cu);
} // namespace result

inline bool succeeded(Result r)
{
    return r >= 0;
}

// A short English description of a result code, "Unknown error 0x…" for others.
QString describeResult(Result r);
// The code as eight hexadecimal digits with 0x, the way tools print it.
QString formatResult(Result r);

// Dispatch identifiers that mean the same on every object.
namespace dispid {
constexpr DispId value = 0;
constexpr DispId backColor = -501;
constexpr DispId borderStyle = -504;
constexpr DispId font = -512;
constexpr DispId foreColor = -513;
constexpr DispId enabled = -514;
constexpr DispId refresh = -550;
} // namespace dispid

// The verb a host sends to ask an object to show its property pages.
constexpr int propertiesVerb = -7;

} // namespace comrt
