#include "keypadclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>

const QString KeypadClipboard::markerFormat = QStringLiteral("application/x-qt-windows-mime;value=\"CF_KYPD\"");

namespace {

std::string& buffer()
{
    static std::string bytes;
    return bytes;
}

// What this process last put on the clipboard. The marker alone cannot tell our copy from
// another process's (its paste buffer is not ours), so the bytes are pasted only while the
// clipboard still holds this very content; the platform drops it when another owner comes.
QPointer<QMimeData>& ours()
{
    static QPointer<QMimeData> data;
    return data;
}

// The marker's data: the 32-bit integer 1, little-endian.
QByteArray markerData()
{
    return QByteArray("\x01\x00\x00\x00", 4);
}

} // namespace

void KeypadClipboard::put(const std::string& bytes, const QString& plainText)
{
    buffer() = bytes;
    auto* data = new QMimeData;
    data->setData(markerFormat, markerData());
    data->setText(plainText);
    ours() = data;
    QGuiApplication::clipboard()->setMimeData(data);
}

KeypadClipboard::Content KeypadClipboard::content()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) return Content::Nothing;
    if (data->hasFormat(markerFormat) && data == ours().data()) return Content::KeypadBytes;
    if (data->hasText()) return Content::PlainText;
    return Content::Nothing;
}

const std::string& KeypadClipboard::pasteBuffer()
{
    return buffer();
}

QString KeypadClipboard::plainText()
{
    return QGuiApplication::clipboard()->text();
}
