#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// Points every registry use of this process at a fresh file in a temporary folder for the
// life of the object, and back afterwards.
class TempRegistry {
public:
    TempRegistry()
        : m_previous(qgetenv("KPD_COMRT_REGISTRY"))
    {
        qputenv("KPD_COMRT_REGISTRY", path().toLocal8Bit());
    }
    ~TempRegistry() { qputenv("KPD_COMRT_REGISTRY", m_previous); }
    TempRegistry(const TempRegistry&) = delete;
    TempRegistry& operator=(const TempRegistry&) = delete;

    QString path() const { return m_dir.filePath(QStringLiteral("registry.json")); }
    QString folder() const { return m_dir.path(); }
    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QByteArray& content) const
    {
        QFile file(path());
        if (file.open(QIODevice::WriteOnly)) file.write(content);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};
