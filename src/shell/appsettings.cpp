#include "appsettings.h"

#include "model/applicationname.h"
#include "modeltext/modeltext.h"

#include <QSettings>

namespace {

QString text(const QSettings& store, const char* key, const char* fallback)
{
    return store.value(QString::fromLatin1(key), QString::fromLatin1(fallback)).toString();
}

} // namespace

QString AppSettings::storeName()
{
    return QString::fromLatin1(kpd::kApplicationName);
}

StartupSettings AppSettings::read()
{
    QSettings store(storeName(), storeName());
    store.beginGroup(QStringLiteral("Settings"));
    StartupSettings settings;
    settings.lastFile = toFileName(text(store, "LastFile", ""));
    settings.autoSaveFile = toFileName(text(store, "AutoSaveFile", ""));
    settings.autoSaveState = toModel(text(store, "AutoSaveState", "on"));
    settings.lang = toModel(text(store, "Lang", "0"));
    return settings;
}

void AppSettings::write(const StartupSettings& settings)
{
    QSettings store(storeName(), storeName());
    store.beginGroup(QStringLiteral("Settings"));
    store.setValue(QStringLiteral("LastFile"), fromFileName(settings.lastFile));
    store.setValue(QStringLiteral("AutoSaveFile"), fromFileName(settings.autoSaveFile));
    store.setValue(QStringLiteral("AutoSaveState"), toQt(settings.autoSaveState));
    store.setValue(QStringLiteral("Lang"), toQt(settings.lang));
}

QString AppSettings::driveFolder()
{
    QSettings store(storeName(), storeName());
    return store.value(QStringLiteral("Folders/DriveFolder")).toString();
}

void AppSettings::setDriveFolder(const QString& folder)
{
    QSettings store(storeName(), storeName());
    store.setValue(QStringLiteral("Folders/DriveFolder"), folder);
}
