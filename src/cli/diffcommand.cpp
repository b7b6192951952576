#include "diffcommand.h"

#include "compare/comparedfile.h"
#include "compare/setcomparison.h"
#include "jsonstring.h"

#include <algorithm>
#include <memory>
#include <ostream>

namespace kpd {

namespace {

enum Status { Equal = 0, Different = 1, BadInput = 2 };

// The model's 8-bit text as UTF-8: each byte is the character of that code.
void appendUtf8(std::string& out, unsigned char byte)
{
    if (byte < 0x80) {
        out += static_cast<char>(byte);
    } else {
        out += static_cast<char>(0xC0 | (byte >> 6));
        out += static_cast<char>(0x80 | (byte & 0x3F));
    }
}

// Texts on one line in UTF-8: the escaped form already writes keypad line breaks as "~M", so only
// the line ends of loaded help texts need showing.
std::string oneLine(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            out += "\\n";
            ++i;
        } else {
            appendUtf8(out, static_cast<unsigned char>(text[i]));
        }
    }
    return out;
}

void printText(std::ostream& out, const std::vector<Difference>& diffs)
{
    for (const Difference& d : diffs) {
        out << d.menuKey() << '.' << d.paraKey() << " [" << d.modeKey() << "] " << fieldName(d.field) << ": "
            << changeName(d.change) << '\n';
        if (d.base) out << "  base:   " << oneLine(readableFieldText(*d.base, d.field)) << '\n';
        out << "  ours:   " << oneLine(readableFieldText(d.ours, d.field)) << '\n';
        out << "  theirs: " << oneLine(readableFieldText(d.theirs, d.field)) << '\n';
    }
    const auto conflicts = std::count_if(diffs.begin(), diffs.end(), [](const Difference& d) { return d.isConflict(); });
    out << diffs.size() << (diffs.size() == 1 ? " difference" : " differences") << ", " << conflicts
        << (conflicts == 1 ? " conflict" : " conflicts") << '\n';
}

void printJson(std::ostream& out, const std::vector<Difference>& diffs, bool withBase)
{
    out << "{\"equal\": " << (diffs.empty() ? "true" : "false") << ", \"base\": " << (withBase ? "true" : "false")
        << ", \"differences\": [";
    for (std::size_t i = 0; i < diffs.size(); ++i) {
        const Difference& d = diffs[i];
        out << (i ? ",\n  " : "\n  ") << "{\"menu\": " << jsonString(d.menuKey())
            << ", \"parameter\": " << jsonString(d.paraKey()) << ", \"mode\": " << jsonString(d.modeKey())
            << ", \"field\": " << jsonString(fieldName(d.field)) << ", \"change\": " << jsonString(changeName(d.change));
        if (d.base) out << ", \"base\": " << jsonString(readableFieldText(*d.base, d.field));
        out << ", \"ours\": " << jsonString(readableFieldText(d.ours, d.field))
            << ", \"theirs\": " << jsonString(readableFieldText(d.theirs, d.field)) << '}';
    }
    out << (diffs.empty() ? "]}\n" : "\n]}\n");
}

} // namespace

DiffCommand::DiffCommand(UserInterface& ui, std::ostream& out, std::string driveFolder)
    : ui_(ui), out_(out), driveFolder_(std::move(driveFolder))
{
}

int DiffCommand::run(const Options& options)
{
    // A file read only up to a fault would show differences that are not there.
    const auto load = [this](const std::string& path) -> std::unique_ptr<ComparedFile> {
        LoadResult result;
        std::unique_ptr<ComparedFile> file = ComparedFile::load(ui_, driveFolder_, path, result);
        if (result == LoadResult::Missing)
            ui_.message("Could not find the file " + path, "ERROR", MessageIcon::Critical, MessageButtons::Ok);
        return result == LoadResult::Whole ? std::move(file) : nullptr;
    };
    const std::unique_ptr<ComparedFile> ours = load(options.ours);
    const std::unique_ptr<ComparedFile> theirs = ours ? load(options.theirs) : nullptr;
    const std::unique_ptr<ComparedFile> base = theirs && !options.base.empty() ? load(options.base) : nullptr;
    if (!ours || !theirs || (!options.base.empty() && !base)) return BadInput;

    const SetSnapshot baseSnapshot = base ? base->snapshot() : SetSnapshot();
    std::vector<Difference> diffs =
        SetComparison::compare(ours->snapshot(), theirs->snapshot(), base ? &baseSnapshot : nullptr);
    if (base) std::stable_partition(diffs.begin(), diffs.end(), [](const Difference& d) { return d.isConflict(); });
    if (options.json) printJson(out_, diffs, base != nullptr);
    else printText(out_, diffs);
    return diffs.empty() ? Equal : Different;
}

} // namespace kpd
