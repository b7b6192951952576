#include "comtypes.h"

namespace comrt {

QString describeResult(Result r)
{
    switch (r) {
    case result::ok: return QStringLiteral("The operation completed successfully.");
    case result::falseOk: return QStringLiteral("The operation completed with a negative answer.");
    case result::notImplemented: return QStringLiteral("Not implemented.");
    case result::noInterface: return QStringLiteral("No such interface supported.");
    case result::nullPointer: return QStringLiteral("Invalid pointer.");
    case result::fail: return QStringLiteral("Unspecified error.");
    case result::unexpected: return QStringLiteral("Catastrophic failure.");
    case result::invalidArgument: return QStringLiteral("The parameter is incorrect.");
    case result::accessDenied: return QStringLiteral("Access is denied.");
    case result::memberNotFound: return QStringLiteral("Member not found.");
    case result::overflow: return QStringLiteral("Out of present range.");
    case result::typeMismatch: return QStringLiteral("Type mismatch.");
    case result::unknownName: return QStringLiteral("Unknown name.");
    case result::badParamCount: return QStringLiteral("Invalid number of parameters.");
    case result::disconnected: return QStringLiteral("The object invoked has disconnected from its clients.");
    case result::classNotAvailable: return QStringLiteral("The class is not available from this library.");
    case result::classNotRegistered: return QStringLiteral("Class not registered.");
    case result::invalidProgId: return QStringLiteral("Invalid class string.");
    case result::moduleNotFound: return QStringLiteral("The specified module could not be found.");
    case result::procedureNotFound: return QStringLiteral("The specified procedure could not be found.");
    case result::registryAccess: return QStringLiteral("Error accessing the registry.");
    case result::selfRegTypeLib: return QStringLiteral("The type library could not be registered or unregistered.");
    case result::selfRegClass: return QStringLiteral("A class could not be registered or unregistered.");
    case result::propertyReadOnly: return QStringLiteral("Property is read-only");
    case result::invalidPropertyValue: return QStringLiteral("Invalid property value");
    default: return QStringLiteral("Unknown error %1").arg(formatResult(r));
    }
}

QString formatResult(Result r)
{
    return QStringLiteral("0x%1").arg(static_cast<std::uint32_t>(r), 8, 16, QLatin1Char('0')).toUpper().replace(
        QStringLiteral("0X"), QStringLiteral("0x"));
}

} // namespace comrt
