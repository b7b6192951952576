#pragma once

#include <QString>

#include <string>
#include <system_error>

// Text of the model is 8-bit: byte xx is the character U+00xx, as on the keypad. Every
// name, description, help text or message that crosses between the core and Qt goes
// through these two functions, so a "é" shows as "é" and comes back as the same byte.
QString toQt(const std::string& text);
// Characters beyond U+00FF have no byte of their own and become '?'.
std::string toModel(const QString& text);

// A path handed to the core to open or write a file is in the file system's encoding,
// not model text; the core puts it into a message only after converting it.
std::string toFileName(const QString& path);
QString fromFileName(const std::string& path);

// A failure's message as model text: a file that could not be written is named in the
// user's characters, not in the bytes of the file system's encoding.
std::string messageOf(const std::system_error& error);
