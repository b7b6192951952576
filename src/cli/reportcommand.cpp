#include "reportcommand.h"

#include "kpdtool.h"

#include "build/sizecomparison.h"
#include "jsonstring.h"

#include <algorithm>
#include <cstdio>
#include <iomanip>
#include <ostream>

namespace kpd {

namespace {

// 131072 -> "131,072": the figures are read, not parsed.
std::string grouped(std::int64_t value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<std::size_t>(at), ",");
    return (value < 0 ? "-" : "") + digits;
}

std::string signedBytes(std::int64_t value)
{
    return (value > 0 ? "+" : "") + grouped(value);
}

// Control codes shown as "_" and a line break as "|", so that every string fits a row.
std::string readable(const std::string& text)
{
    std::string out;
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code == 0x0D) out += '|';
        else if (code < 0x20) out += '_';
        else if (code < 0x80) out += c;
        else {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

std::string name(const ParamSize& p)
{
    return p.menuKey + "/" + p.paraKey;
}

template <class T, class Less> std::vector<const T*> top(const std::vector<T>& rows, Less less, std::size_t count)
{
    std::vector<const T*> sorted;
    for (const T& row : rows) sorted.push_back(&row);
    std::stable_sort(sorted.begin(), sorted.end(), [&](const T* a, const T* b) { return less(*a, *b); });
    if (sorted.size() > count) sorted.resize(count);
    return sorted;
}

void printTables(const SizeReport& report, std::ostream& out)
{
    const double percent = 100.0 * report.totalBytes / report.limit;
    char share[16];
    std::snprintf(share, sizeof share, "%.1f %%", percent);
    out << "Image: " << grouped(report.totalBytes) << " bytes of " << grouped(report.limit) << " (" << share << "), ";
    const std::int64_t left = static_cast<std::int64_t>(report.limit) - report.totalBytes;
    out << (left >= 0 ? grouped(left) + " bytes left\n" : grouped(-left) + " bytes too many\n");
    std::uint64_t records = 0;
    for (const ParamSize& p : report.parameters) records += p.bytes;
    out << "  header and menu table " << std::setw(10) << grouped(report.tableBytes) << "\n"
        << "  parameter records     " << std::setw(10) << grouped(static_cast<std::int64_t>(records)) << "\n"
        << "  dictionary            " << std::setw(10) << grouped(report.dictionaryBytes) << "\n";

    out << "\nMenus by bytes\n  " << std::left << std::setw(10) << "menu" << std::right << std::setw(12) << "parameters"
        << std::setw(10) << "bytes\n";
    for (const MenuSize* m : top(report.menus, [](const MenuSize& a, const MenuSize& b) { return a.bytes > b.bytes; },
                                 report.menus.size()))
        out << "  " << std::left << std::setw(10) << m->menuKey << std::right << std::setw(12) << m->parameters
            << std::setw(10) << grouped(m->bytes) << "\n";

    out << "\nLargest parameters\n  " << std::left << std::setw(12) << "parameter" << std::right << std::setw(8)
        << "bytes" << std::setw(18) << "saved by sharing\n";
    for (const ParamSize* p : top(report.parameters, [](const ParamSize& a, const ParamSize& b) { return a.bytes > b.bytes; },
                                  ReportCommand::kTableRows))
        out << "  " << std::left << std::setw(12) << name(*p) << std::right << std::setw(8) << grouped(p->bytes)
            << std::setw(17) << grouped(p->savedBySharing) << "\n";

    out << "\nLargest stored strings\n  " << std::left << std::setw(12) << "parameter" << std::right << std::setw(8)
        << "bytes" << std::setw(8) << "shared" << "  text\n";
    for (const StringSize* s : top(report.strings, [](const StringSize& a, const StringSize& b) { return a.bytes > b.bytes; },
                                   ReportCommand::kTableRows))
        out << "  " << std::left << std::setw(12) << name(report.parameters[s->owner]) << std::right << std::setw(8)
            << grouped(s->bytes) << std::setw(8) << s->sharedBy.size() << "  " << readable(s->text) << "\n";

    out << "\nDictionary words by bytes saved\n  " << std::setw(5) << "index" << "  " << std::left << std::setw(18)
        << "word" << std::right << std::setw(8) << "count" << std::setw(8) << "tokens" << std::setw(8) << "saved"
        << std::setw(6) << "cost" << "\n";
    for (const WordSize* w : top(report.words, [](const WordSize& a, const WordSize& b) { return a.saved > b.saved; },
                                 ReportCommand::kTableRows))
        out << "  " << std::setw(5) << int{w->index} << "  " << std::left << std::setw(18) << readable(w->word)
            << std::right << std::setw(8) << w->occurrences << std::setw(8) << w->tokens << std::setw(8) << w->saved
            << std::setw(6) << w->cost << "\n";
}

void printChanges(const SizeReport& before, const SizeReport& after, const std::string& file, std::ostream& out)
{
    out << "\nCompared with " << file << ": " << grouped(before.totalBytes) << " -> " << grouped(after.totalBytes)
        << " bytes (" << signedBytes(static_cast<std::int64_t>(after.totalBytes) - before.totalBytes) << ")\n  "
        << std::left << std::setw(12) << "menu" << std::right << std::setw(10) << "before" << std::setw(10) << "after"
        << std::setw(10) << "change\n";
    for (const SizeChange& c : SizeComparison::menus(before, after))
        out << "  " << std::left << std::setw(12) << c.menuKey << std::right << std::setw(10) << grouped(c.before)
            << std::setw(10) << grouped(c.after) << std::setw(10) << signedBytes(c.change()) << "\n";
}

void printJson(const SizeReport& report, const SizeReport* before, const std::string& beforeFile, std::ostream& out)
{
    out << "{\n  \"total_bytes\": " << report.totalBytes << ",\n  \"limit\": " << report.limit
        << ",\n  \"fits\": " << (report.fits() ? "true" : "false")
        << ",\n  \"bytes_left\": " << static_cast<std::int64_t>(report.limit) - report.totalBytes
        << ",\n  \"table_bytes\": " << report.tableBytes << ",\n  \"dictionary_bytes\": " << report.dictionaryBytes
        << ",\n  \"menus\": [";
    const char* sep = "\n    ";
    for (const MenuSize& m : report.menus) {
        out << sep << "{\"menu\": " << jsonString(m.menuKey) << ", \"number\": " << m.menuNumber
            << ", \"parameters\": " << m.parameters << ", \"bytes\": " << m.bytes << "}";
        sep = ",\n    ";
    }
    out << "\n  ],\n  \"parameters\": [";
    sep = "\n    ";
    for (const ParamSize& p : report.parameters) {
        out << sep << "{\"menu\": " << jsonString(p.menuKey) << ", \"parameter\": " << jsonString(p.paraKey)
            << ", \"bytes\": " << p.bytes << ", \"saved_by_sharing\": " << p.savedBySharing << "}";
        sep = ",\n    ";
    }
    out << "\n  ],\n  \"strings\": [";
    sep = "\n    ";
    for (const StringSize& s : report.strings) {
        const ParamSize& owner = report.parameters[s.owner];
        out << sep << "{\"menu\": " << jsonString(owner.menuKey) << ", \"parameter\": " << jsonString(owner.paraKey)
            << ", \"help\": " << (s.help ? "true" : "false") << ", \"bytes\": " << s.bytes << ", \"shared_by\": [";
        for (std::size_t i = 0; i < s.sharedBy.size(); ++i)
            out << (i ? ", " : "") << jsonString(name(report.parameters[s.sharedBy[i]]));
        out << "], \"saved_by_sharing\": " << s.savedBySharing << ", \"text\": " << jsonString(s.text) << "}";
        sep = ",\n    ";
    }
    out << "\n  ],\n  \"words\": [";
    sep = "\n    ";
    for (const WordSize& w : report.words) {
        out << sep << "{\"index\": " << int{w.index} << ", \"word\": " << jsonString(w.word) << ", \"occurrences\": "
            << w.occurrences << ", \"tokens\": " << w.tokens << ", \"saved\": " << w.saved << ", \"cost\": " << w.cost
            << "}";
        sep = ",\n    ";
    }
    out << "\n  ]";
    if (before) {
        out << ",\n  \"compare\": {\"file\": " << jsonString(beforeFile) << ", \"total_before\": " << before->totalBytes
            << ", \"change\": " << static_cast<std::int64_t>(report.totalBytes) - before->totalBytes << ", \"menus\": [";
        sep = "\n    ";
        for (const SizeChange& c : SizeComparison::menus(*before, report)) {
            out << sep << "{\"menu\": " << jsonString(c.menuKey) << ", \"before\": " << c.before << ", \"after\": " << c.after
                << ", \"change\": " << c.change() << "}";
            sep = ",\n    ";
        }
        out << "\n  ]}";
    }
    out << "\n}\n";
}

} // namespace

int ReportCommand::print(const SizeReport& report, const SizeReport* before, const std::string& beforeFile, bool json,
                         std::ostream& out)
{
    if (json) {
        printJson(report, before, beforeFile, out);
    } else {
        printTables(report, out);
        if (before) printChanges(*before, report, beforeFile, out);
    }
    return report.fits() ? KpdTool::Success : KpdTool::TooLarge;
}

} // namespace kpd
