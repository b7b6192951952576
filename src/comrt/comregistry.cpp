#include "comregistry.h"

#include "fileio/filewriteerror.h"
#include "fileio/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <utility>

namespace comrt {

QString ComRegistry::defaultPath()
{
    const QString overridden = qEnvironmentVariable(pathVariable);
    if (!overridden.isEmpty()) return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/keypad-components/registry.json");
}

QString ComRegistry::keyOf(const QUuid& id)
{
    return id.toString(QUuid::WithBraces).toUpper();
}

ComRegistry::ComRegistry(QString path)
    : m_path(std::move(path))
{
}

Result ComRegistry::load()
{
    m_keys.clear();
    m_usable = false;
    QFile file(m_path);
    if (!file.exists()) {
        m_usable = true;
        return result::ok;
    }
    if (!file.open(QIODevice::ReadOnly)) return result::registryAccess;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return result::registryAccess;
    const QJsonObject root = document.object();
    for (auto key = root.begin(); key != root.end(); ++key) {
        if (!key.value().isObject()) {
            m_keys.clear();
            return result::registryAccess;
        }
        Values& values = m_keys[key.key()];
        const QJsonObject stored = key.value().toObject();
        for (auto value = stored.begin(); value != stored.end(); ++value)
            values.insert(value.key(), value.value().toString());
    }
    m_usable = true;
    return result::ok;
}

Result ComRegistry::save(QString* failure) const
{
    if (!m_usable) return result::registryAccess;
    QJsonObject root;
    for (auto key = m_keys.begin(); key != m_keys.end(); ++key) {
        QJsonObject values;
        for (auto value = key.value().begin(); value != key.value().end(); ++value)
            values.insert(value.key(), value.value());
        root.insert(key.key(), values);
    }
    // The first registration of a user creates the registry's folder.
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QByteArray text = QJsonDocument(root).toJson(QJsonDocument::Indented);
    try {
        kpd::SafeFile::write(QFile::encodeName(m_path).toStdString(),
                             std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    } catch (const kpd::FileWriteError& error) {
        if (failure) *failure = QString::fromLocal8Bit(error.what());
        return result::registryAccess;
    }
    return result::ok;
}

QString ComRegistry::value(const QString& key, const QString& name) const
{
    const auto found = m_keys.constFind(key);
    return found == m_keys.constEnd() ? QString() : found->value(name);
}

void ComRegistry::setValue(const QString& key, const QString& name, const QString& data)
{
    m_keys[key].insert(name, data);
}

void ComRegistry::deleteTree(const QString& key)
{
    const QString prefix = key + QLatin1Char('\\');
    for (auto it = m_keys.begin(); it != m_keys.end();) {
        if (it.key() == key || it.key().startsWith(prefix))
            it = m_keys.erase(it);
        else
            ++it;
    }
}

bool ComRegistry::hasSubKeys(const QString& key) const
{
    const QString prefix = key + QLatin1Char('\\');
    const auto next = m_keys.lowerBound(prefix);
    return next != m_keys.end() && next.key().startsWith(prefix);
}

} // namespace comrt
