#include "displayconversion.h"

#include "model/numbertext.h"

std::string displayDescription(const std::string& description)
{
    std::string shown;
    shown.reserve(description.size());
    const std::size_t n = description.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = description[i];
        if (c != '~') {
            shown += c;
            ++i;
            continue;
        }
        // A tilde with nothing after it shows as a space, as an unknown escape does.
        if (i + 1 >= n) {
            shown += ' ';
            break;
        }
        const unsigned char next = static_cast<unsigned char>(description[i + 1]);
        if (next == 'M' || next == 'm') {
            shown += "\r\n";
            i += 2;
        } else if (next == 'X' || next == 'x') {
            const int high = i + 2 < n ? kpd::hexDigitValue(description[i + 2]) : -1;
            const int low = i + 3 < n ? kpd::hexDigitValue(description[i + 3]) : -1;
            shown += high >= 0 && low >= 0 ? static_cast<char>(high * 16 + low) : ' ';
            i += 4;
        } else if (next == '~') {
            shown += '~';
            i += 2;
        } else {
            shown += ' ';
            i += 2;
        }
    }
    return shown;
}
