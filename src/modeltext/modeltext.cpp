#include "modeltext.h"

#include "fileio/filewriteerror.h"

#include <QFile>

QString toQt(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toModel(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        bytes += c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?';
        // A character beyond U+FFFF is one character in two UTF-16 units: one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    }
    return bytes;
}

std::string toFileName(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString fromFileName(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string messageOf(const std::system_error& error)
{
    if (const auto* write = dynamic_cast<const kpd::FileWriteError*>(&error))
        return kpd::FileWriteError::text(toModel(fromFileName(write->path())), toModel(fromFileName(write->reason())));
    return error.what();
}
