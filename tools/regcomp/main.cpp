// regcomp LIB registers a component library, regcomp /u LIB unregisters it; either way
// the library's result code is printed and becomes the exit status (0 for success).
#include "comrt/comruntime.h"
#include "kpdversion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const bool unregister = !args.isEmpty() && (args.first() == QLatin1String("/u") || args.first() == QLatin1String("-u"));
    if (unregister) args.removeFirst();
    if (args == QStringList{QStringLiteral("--version")}) {
        out << "regcomp " << kpd::kVersion << '\n';
        return 0;
    }
    if (args.size() != 1) {
        err << "usage: regcomp [/u] LIBRARY\n";
        return 2;
    }
    const QString library = QFileInfo(args.first()).absoluteFilePath();
    const comrt::Result r =
        unregister ? comrt::ComRuntime::unregisterServer(library) : comrt::ComRuntime::registerServer(library);
    out << (unregister ? "DllUnregisterServer" : "DllRegisterServer") << " in " << library << ": "
        << comrt::formatResult(r) << " (" << comrt::describeResult(r) << ")\n";
    return comrt::succeeded(r) ? 0 : 1;
}
