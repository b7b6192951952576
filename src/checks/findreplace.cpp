#include "findreplace.h"

#include "glyphscan.h"
#include "keypadtextlayout.h"

#include "model/modelerror.h"
#include "model/theapp.h"

#include <regex>

namespace kpd {

namespace {

bool isWordByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return std::isalnum(byte) || c == '_' || byte >= 0xC0;
}

std::string escapedForRegex(const std::string& literal)
{
    std::string out;
    for (char c : literal) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

bool overflows(const TextRows& rows, std::size_t i, const std::string& text)
{
    if (rows.row(i).field == TextField::Description)
        return KeypadTextLayout::displayLines(text) > KeypadTextLayout::kDescriptionLines;
    return text.size() > static_cast<std::size_t>(std::max<int>(rows.app().maxRecChars(), 0));
}

} // namespace

FindReplace::FindReplace(Options options) : options_(std::move(options))
{
    auto flags = std::regex::ECMAScript;
    if (!options_.matchCase) flags |= std::regex::icase;
    try {
        expression_.assign(options_.regularExpression ? options_.find : escapedForRegex(options_.find), flags);
    } catch (const std::regex_error& e) {
        throw ModelError(ModelError::InvalidCall, "Not a regular expression: " + options_.find + " (" + e.what() + ")");
    }
}

std::vector<std::pair<std::size_t, std::size_t>> FindReplace::matches(const std::string& text) const
{
    std::vector<std::pair<std::size_t, std::size_t>> found;
    if (options_.find.empty() || text.empty()) return found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), expression_); it != std::sregex_iterator(); ++it) {
        const auto pos = static_cast<std::size_t>(it->position());
        const auto length = static_cast<std::size_t>(it->length());
        if (length == 0) continue;
        if (options_.wholeWord) {
            const bool startsWord = pos == 0 || !isWordByte(text[pos - 1]);
            const bool endsWord = pos + length == text.size() || !isWordByte(text[pos + length]);
            if (!startsWord || !endsWord) continue;
        }
        found.emplace_back(pos, length);
    }
    return found;
}

std::string FindReplace::replaced(const std::string& text, int& count) const
{
    count = 0;
    const auto found = matches(text);
    if (found.empty()) return text;
    std::string out;
    std::size_t copied = 0;
    for (const auto& [pos, length] : found) {
        out.append(text, copied, pos - copied);
        const std::string matched = text.substr(pos, length);
        // "$1" and the like refer to groups only in a regular expression; a plain
        // replacement is taken as written.
        out += options_.regularExpression
                   ? std::regex_replace(matched, expression_, options_.replace, std::regex_constants::format_first_only)
                   : options_.replace;
        copied = pos + length;
        ++count;
    }
    out.append(text, copied);
    return out;
}

std::vector<FindReplace::Hit> FindReplace::find(const TextRows& rows) const
{
    std::vector<Hit> hits;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (const auto& [pos, length] : matches(rows.text(i))) hits.push_back({i, false, pos, length});
        if (options_.inReferences)
            for (const auto& [pos, length] : matches(rows.refText(i))) hits.push_back({i, true, pos, length});
    }
    return hits;
}

std::vector<FindReplace::Change> FindReplace::preview(const TextRows& rows) const
{
    std::vector<Change> changes;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows.editable(i)) continue;
        Change change;
        change.row = i;
        change.before = rows.text(i);
        change.after = replaced(change.before, change.matches);
        if (change.matches == 0 || change.after == change.before) continue;
        change.overflows = overflows(rows, i, change.after);
        change.losesGlyph = GlyphScan::scan(change.after).size() > GlyphScan::scan(change.before).size();
        changes.push_back(std::move(change));
    }
    return changes;
}

FindReplace::Run FindReplace::apply(TextRows& rows, const std::vector<Change>& changes, const Cost& cost)
{
    Run run;
    for (const Change& change : changes) {
        // A text edited since the preview is left alone rather than overwritten.
        if (change.refused() || rows.text(change.row) != change.before) continue;
        if (!rows.setText(change.row, change.after)) continue;
        run.previous.emplace_back(change.row, change.before);
        run.replacements += change.matches;
        if (cost) run.bytesSaved += cost(change.row, change.before) - cost(change.row, change.after);
    }
    return run;
}

void FindReplace::undo(TextRows& rows, const Run& run)
{
    for (const auto& [row, text] : run.previous) rows.setText(row, text);
}

} // namespace kpd
