#include "displayconversion.h"

#include "keypadtext/ckeypadtext.h"
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

std::string inKeypadLines(const std::string& shown, int columns)
{
    // Each shown character stands for one keypad cell, and each "\r\n" for one line break.
    std::string cells;
    cells.reserve(shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        cells += shown[i];
        if (shown.compare(i, 2, "\r\n") == 0) ++i;
    }
    CKeypadText text;
    text.setCols(columns);
    text.setText(cells);
    const std::string& bytes = text.text();
    std::string lines;
    for (int line = 0; line <= text.lastLine() && text.length() > 0; ++line) {
        if (line > 0) lines += "\r\n";
        int end = text.lineEnd(line);
        if (static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(end)]) == CKeypadText::lineBreak) --end;
        lines.append(bytes, static_cast<std::size_t>(text.lineStart(line)),
                     static_cast<std::size_t>(end - text.lineStart(line) + 1));
    }
    return lines;
}
