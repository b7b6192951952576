#include "extrareferences.h"

#include "appsettings.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"

#include <QSettings>

namespace {

const QString kKey = QStringLiteral("ExtraReferences");

} // namespace

QStringList ExtraReferences::read()
{
    QSettings store(AppSettings::storeName(), AppSettings::storeName());
    store.beginGroup(QStringLiteral("Settings"));
    return store.value(kKey).toStringList();
}

void ExtraReferences::write(const QStringList& languages)
{
    QSettings store(AppSettings::storeName(), AppSettings::storeName());
    store.beginGroup(QStringLiteral("Settings"));
    store.setValue(kKey, languages);
}

QStringList ExtraReferences::offered(const kpd::TheApp& app)
{
    QStringList languages;
    for (const kpd::stringData& set : app.stringDatas()) {
        if (!set.custom()) languages << toQt(set.dbKey());
    }
    return languages;
}

std::vector<MenuGridModel::ExtraReference>
ExtraReferences::resolve(const kpd::TheApp& app, const QStringList& languages, const std::string& menuKey)
{
    std::vector<MenuGridModel::ExtraReference> extras;
    for (const QString& language : languages) {
        const std::string key = toModel(language);
        const kpd::stringData* set = app.stringDatas().find(key);
        if (!set || set->custom() || key == app.getRefKey()) continue;
        if (const kpd::DrvMenu* menu = set->DrvMenus().find(menuKey)) extras.push_back({key, menu});
    }
    return extras;
}
