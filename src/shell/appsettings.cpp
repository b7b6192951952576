#include "appsettings.h"

#include <QSettings>

namespace {

const QString kApplication = QStringLiteral("VXKey pad tool");

std::string text(const QSettings& store, const char* key, const char* fallback)
{
    return store.value(QString::fromLatin1(key), QString::fromLatin1(fallback)).toString().toStdString();
}

} // namespace

StartupSettings AppSettings::read()
{
    QSettings store(kApplication, kApplication);
    store.beginGroup(QStringLiteral("Settings"));
    StartupSettings settings;
    settings.lastFile = text(store, "LastFile", "");
    settings.autoSaveFile = text(store, "AutoSaveFile", "");
    settings.autoSaveState = text(store, "AutoSaveState", "on");
    settings.lang = text(store, "Lang", "0");
    return settings;
}

void AppSettings::write(const StartupSettings& settings)
{
    QSettings store(kApplication, kApplication);
    store.beginGroup(QStringLiteral("Settings"));
    store.setValue(QStringLiteral("LastFile"), QString::fromStdString(settings.lastFile));
    store.setValue(QStringLiteral("AutoSaveFile"), QString::fromStdString(settings.autoSaveFile));
    store.setValue(QStringLiteral("AutoSaveState"), QString::fromStdString(settings.autoSaveState));
    store.setValue(QStringLiteral("Lang"), QString::fromStdString(settings.lang));
}
