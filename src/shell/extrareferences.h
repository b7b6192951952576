#pragma once

#include "views/menugridmodel.h"

#include <QStringList>

#include <string>
#include <vector>

namespace kpd {
class TheApp;
}

// The reference languages the menu grids show besides the main one, kept in the settings
// store between runs as language keys.
class ExtraReferences {
public:
    static QStringList read();
    static void write(const QStringList& languages);

    // The languages a user may pick: every string set of the configuration but the custom set.
    static QStringList offered(const kpd::TheApp& app);
    // The chosen languages' menus of the given key, in the order chosen; the custom set, the
    // main reference and languages the configuration no longer has are passed over.
    static std::vector<MenuGridModel::ExtraReference> resolve(const kpd::TheApp& app, const QStringList& languages,
                                                              const std::string& menuKey);
};
