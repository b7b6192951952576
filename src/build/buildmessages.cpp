#include "buildmessages.h"

#include "databaseimage.h"

namespace kpd {

const char* const kTooLargeMessage = "The compressed string database is to large for the Keypad. \r\n"
                                     "You need to shorten or remove some strings. \r\n"
                                     "You can use the menu command Drive | Check size to help with this";

std::string checkSizeMessage(std::int32_t totalBytes)
{
    const std::int64_t limit = DatabaseImage::kKeypadLimit;
    std::string text = "The compressed database takes up " + std::to_string(totalBytes) + " bytes.\r\n";
    if (DatabaseImage::fitsKeypad(totalBytes))
        text += "You have " + std::to_string(limit - totalBytes) + " bytes left";
    else
        text += "You need to reduce its size by " + std::to_string(totalBytes - limit) + " bytes";
    return text;
}

} // namespace kpd
