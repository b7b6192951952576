#pragma once

#include <QString>

#include <string>

// The clipboard of keypad text boxes. Keypad bytes cannot survive a trip through plain
// text, so a copy keeps them in a process-wide paste buffer and puts on the clipboard
// only a marker saying the buffer belongs to the clipboard's content, beside the plain
// text other programs read.
class KeypadClipboard {
public:
    // The marker format; on platforms with named clipboard formats it is "CF_KYPD".
    static const QString markerFormat;

    enum class Content { Nothing, KeypadBytes, PlainText };

    static void put(const std::string& bytes, const QString& plainText);
    static Content content();
    // The bytes of the last copy or cut in this process.
    static const std::string& pasteBuffer();
    static QString plainText();
};
