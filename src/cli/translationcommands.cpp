#include "translationcommands.h"

#include "jsonstring.h"

#include "exchange/translationimport.h"
#include "exchange/translationreader.h"
#include "model/theapp.h"

#include <chrono>
#include <ctime>
#include <ostream>

namespace kpd {

namespace {

void printRejected(std::ostream& out, const char* what, const std::vector<TranslationImport::Rejected>& list,
                   const std::string& file)
{
    for (const TranslationImport::Rejected& r : list)
        out << file << ':' << r.line << ": " << what << ' ' << r.id << ": " << r.reason << '\n';
}

void printJsonList(std::ostream& out, const char* name, const std::vector<TranslationImport::Rejected>& list)
{
    out << "  \"" << name << "\": [";
    const char* separator = "\n";
    for (const TranslationImport::Rejected& r : list) {
        out << separator << "    {\"id\": " << jsonString(r.id) << ", \"line\": " << r.line
            << ", \"reason\": " << jsonString(r.reason) << "}";
        separator = ",\n";
    }
    out << (list.empty() ? "]" : "\n  ]");
}

void printJsonIds(std::ostream& out, const char* name, const std::vector<std::string>& ids)
{
    out << "  \"" << name << "\": [";
    const char* separator = "";
    for (const std::string& id : ids) {
        out << separator << jsonString(id);
        separator = ", ";
    }
    out << "]";
}

} // namespace

bool TranslationCommands::formatNamed(const std::string& name, ExchangeFormat& format)
{
    for (ExchangeFormat f : {ExchangeFormat::Xliff12, ExchangeFormat::Xliff21, ExchangeFormat::Po})
        if (name == formatName(f)) {
            format = f;
            return true;
        }
    return false;
}

std::string TranslationCommands::revisionDateNow()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M+0000", &utc);
    return buffer;
}

int TranslationCommands::exportTranslation(const TheApp& app, const TranslationExport::Options& options,
                                           ExchangeFormat format, const std::string& outFile,
                                           const std::string& fontFile)
{
    const std::size_t texts = TranslationExport::writeFiles(app, options, format, outFile, fontFile);
    err_ << texts << " texts written to " << outFile << '\n';
    return Success;
}

int TranslationCommands::importTranslation(TheApp& app, const std::string& inFile, const std::string& newFile,
                                           bool json)
{
    const TranslationImport::Result result = TranslationImport::match(app, TranslationReader::read(inFile));
    TranslationImport::apply(result, app.stringDatas().Item(app.getCustKey()));
    if (!app.xmlSave(newFile)) return BadInput;
    std::vector<std::string> changed;
    std::vector<std::string> spaces;
    for (const TranslationImport::Imported& text : result.imported) {
        if (text.sourceChanged) changed.push_back(text.id);
        if (text.trailingSpaces) spaces.push_back(text.id);
    }
    if (json) {
        out_ << "{\n  \"imported\": " << result.imported.size() << ",\n  \"untranslated\": " << result.untranslated
             << ",\n";
        printJsonList(out_, "refused", result.refused);
        out_ << ",\n";
        printJsonList(out_, "unplaced", result.unplaced);
        out_ << ",\n";
        printJsonIds(out_, "sourceChanged", changed);
        out_ << ",\n";
        printJsonIds(out_, "trailingSpaces", spaces);
        out_ << "\n}\n";
    } else {
        printRejected(out_, "refused", result.refused, inFile);
        printRejected(out_, "unplaced", result.unplaced, inFile);
        for (const std::string& id : changed) out_ << "source changed since export: " << id << '\n';
        for (const std::string& id : spaces) out_ << "trailing spaces: " << id << '\n';
        out_ << result.imported.size() << " texts imported, " << result.refused.size() << " refused, "
             << result.unplaced.size() << " unplaced, " << result.untranslated << " untranslated; written to "
             << newFile << '\n';
    }
    return result.complete() ? Success : SomeRefused;
}

} // namespace kpd
