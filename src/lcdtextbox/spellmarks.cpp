#include "spellmarks.h"

#include <QStringList>

#include <algorithm>

void SpellMarks::setRanges(const QString& ranges)
{
    m_ranges.clear();
    for (const QString& piece : ranges.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList bounds = piece.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool firstOk = false;
        bool lastOk = false;
        const Range range{bounds.value(0).toInt(&firstOk), bounds.value(1).toInt(&lastOk)};
        if (bounds.size() == 2 && firstOk && lastOk && range.first >= 0 && range.last > range.first)
            m_ranges.push_back(range);
    }
}

QString SpellMarks::ranges() const
{
    QStringList pieces;
    for (const Range& range : m_ranges) pieces << QStringLiteral("%1 %2").arg(range.first).arg(range.last);
    return pieces.join(QLatin1Char(';'));
}

std::optional<SpellMarks::Range> SpellMarks::at(int index) const
{
    for (const Range& range : m_ranges)
        if (index >= range.first && index < range.last) return range;
    return std::nullopt;
}

void SpellMarks::removeWord(const std::string& text, const std::string& word)
{
    std::erase_if(m_ranges, [&](const Range& r) {
        return static_cast<std::size_t>(r.last) <= text.size() &&
               text.compare(static_cast<std::size_t>(r.first), static_cast<std::size_t>(r.last - r.first), word) == 0;
    });
}

void SpellMarks::fit(int length)
{
    std::erase_if(m_ranges, [length](const Range& r) { return r.last > length; });
}
