#pragma once

#include "comtypes.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QUuid>

namespace comrt {

// The per-user registry of components: a tree of keys written as backslash-separated
// paths, each key holding named string values ("" is the key's default value). It lives
// in one file that is read whole and written whole, replacing the old file atomically.
class ComRegistry {
public:
    using Values = QMap<QString, QString>;

    // The environment variable that points every process at another registry file, so
    // tests and builds never touch the user's own.
    static constexpr const char* pathVariable = "KPD_COMRT_REGISTRY";
    static QString defaultPath();
    // A class or library identifier as registry keys spell it: upper case, in braces.
    static QString keyOf(const QUuid& id);

    explicit ComRegistry(QString path = defaultPath());

    // A missing file is an empty registry. A file that cannot be read or understood gives
    // registryAccess and makes save() refuse, so that nobody else's entries are lost; so
    // does saving a registry that was never loaded. A save that cannot write the file
    // gives registryAccess too, keeps the old file, and tells why in failure.
    Result load();
    Result save(QString* failure = nullptr) const;

    bool hasKey(const QString& key) const { return m_keys.contains(key); }
    QString value(const QString& key, const QString& name = QString()) const;
    void setValue(const QString& key, const QString& name, const QString& data);
    // Removes the key and every key below it.
    void deleteTree(const QString& key);
    // Whether any key lies below key.
    bool hasSubKeys(const QString& key) const;

    const QMap<QString, Values>& keys() const { return m_keys; }
    const QString& path() const { return m_path; }

private:
    QString m_path;
    QMap<QString, Values> m_keys;
    bool m_usable = false;
};

} // namespace comrt
