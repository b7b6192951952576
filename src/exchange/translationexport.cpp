#include "translationexport.h"

#include "exchangetext.h"
#include "languagecodes.h"
#include "powriter.h"
#include "xliff12writer.h"
#include "xliff21writer.h"

#include "fileio/boundedfile.h"
#include "fileio/filereaderror.h"
#include "fileio/safefile.h"
#include "model/modelerror.h"
#include "model/theapp.h"

#include "kpdversion.h"

#include <filesystem>
#include <map>
#include <tuple>

namespace kpd {

namespace {

using RecordKey = std::tuple<std::string, std::string, std::string>;

RecordKey keyOf(const ModeRecord& record)
{
    return {record.menuKey, record.paraKey, record.modeKey};
}

std::map<RecordKey, const ModeRecord*> indexed(const SetSnapshot& snapshot)
{
    std::map<RecordKey, const ModeRecord*> index;
    for (const ModeRecord& record : snapshot.records()) index.emplace(keyOf(record), &record);
    return index;
}

bool wanted(ExportSelection selection, const std::string& custom, const std::string& reference, const std::string* base)
{
    switch (selection) {
    case ExportSelection::All: return true;
    case ExportSelection::Empty: return custom.empty();
    case ExportSelection::Unchanged: return custom == reference;
    case ExportSelection::ChangedSince: return !base || *base != custom;
    }
    return false;
}

} // namespace

std::string TranslationExport::referenceKeyOf(const TheApp& app, const std::string& wanted)
{
    std::string key = wanted.empty() ? app.getLangDBKey(0) : wanted;
    if (!app.stringDatas().find(key)) key = LanguageCodes::setOf(app, key);
    if (!app.stringDatas().find(key) || key == app.getCustKey())
        throw ModelError(ModelError::InvalidCall, "No reference language " + wanted + " in this drive");
    return key;
}

ExchangeDocument TranslationExport::build(const TheApp& app, const Options& options)
{
    const std::string referenceKey = referenceKeyOf(app, options.referenceKey);
    ExchangeDocument document;
    document.original = options.original;
    document.sourceLanguage = LanguageCodes::tagOf(referenceKey);
    document.targetLanguage = options.targetLanguage;
    document.generator = std::string("kpdtool ") + kVersion;
    document.revisionDate = options.revisionDate;
    document.helpLength = app.maxRecChars();

    const SetSnapshot reference = SetSnapshot::of(app.stringDatas().Item(referenceKey));
    const std::map<RecordKey, const ModeRecord*> references = indexed(reference);
    std::map<RecordKey, const ModeRecord*> bases;
    if (options.base) bases = indexed(*options.base);

    const SetSnapshot custom = SetSnapshot::of(app.stringDatas().Item(app.getCustKey()));
    for (const ModeRecord& record : custom.records()) {
        if (!record.defined) continue;
        const auto ref = references.find(keyOf(record));
        if (ref == references.end()) continue;
        const auto base = bases.find(keyOf(record));
        for (const Field field : {Field::Description, Field::Help}) {
            const bool help = field == Field::Help;
            const std::string& text = help ? record.help : record.desc;
            const std::string& source = help ? ref->second->help : ref->second->desc;
            const std::string* baseText = base == bases.end() ? nullptr
                                          : help              ? &base->second->help
                                                              : &base->second->desc;
            if (source.empty() || !wanted(options.selection, text, source, baseText)) continue;
            ExchangeUnit unit;
            unit.id = ExchangeText::unitId(record.menuKey, record.paraKey, record.modeKey, help);
            unit.resname = ExchangeText::resname(record.menuKey, record.paraKey, record.modeKey, help);
            unit.menuKey = record.menuKey;
            unit.menuName = record.menuName;
            unit.paraKey = record.paraKey;
            unit.paraName = record.paraName;
            unit.modeKey = record.modeKey;
            unit.field = field;
            unit.source = ExchangeText::fromModel(source);
            unit.target = ExchangeText::fromModel(text);
            unit.translated = !text.empty() && text != source;
            unit.maxLength = help ? app.maxRecChars() : kDescriptionLength;
            unit.maxLines = help ? 0 : kDescriptionLines;
            unit.columns = help ? 0 : kColumns;
            document.units.push_back(std::move(unit));
        }
    }
    return document;
}

std::size_t TranslationExport::writeFiles(const TheApp& app, const Options& options, ExchangeFormat format,
                                          const std::string& outFile, const std::string& fontFile)
{
    constexpr std::size_t kMaxFont = 4u << 20;
    std::string font;
    try {
        if (!fontFile.empty()) font = BoundedFile::read(fontFile, kMaxFont, "the largest font");
    } catch (const FileReadError& error) {
        throw FileReadError(fontFile + ": " + error.what());
    }
    const ExchangeDocument document = build(app, options);
    SafeFile::write(outFile, fileText(document, format));
    if (!fontFile.empty()) SafeFile::write((std::filesystem::path(outFile).parent_path() / kFontFile).string(), font);
    return document.units.size();
}

std::string TranslationExport::fileText(const ExchangeDocument& document, ExchangeFormat format)
{
    switch (format) {
    case ExchangeFormat::Xliff12: return Xliff12Writer::fileText(document);
    case ExchangeFormat::Xliff21: return Xliff21Writer::fileText(document);
    case ExchangeFormat::Po: return PoWriter::fileText(document);
    }
    return {};
}

} // namespace kpd
