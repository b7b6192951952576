#include "translationimport.h"

#include "exchangetext.h"
#include "languagecodes.h"
#include "powriter.h"
#include "translationexport.h"

#include "build/escapes.h"
#include "checks/keypadtextlayout.h"
#include "model/modelerror.h"
#include "model/stringdata.h"
#include "model/theapp.h"

#include <map>
#include <set>
#include <tuple>

namespace kpd {

namespace {

// The unit a tool that dropped the id kept in its notes, as "Unit <id>" on a line of its own.
const ExchangeUnit* placedByNotes(const TranslationFile::Unit& unit, const std::map<std::string, ExchangeUnit>& units)
{
    const std::string prefix = PoWriter::kUnitPrefix;
    for (const std::string& note : unit.notes) {
        std::size_t begin = 0;
        while (begin <= note.size()) {
            std::size_t end = note.find('\n', begin);
            if (end == std::string::npos) end = note.size();
            const std::string line = note.substr(begin, end - begin);
            if (line.rfind(prefix, 0) == 0) {
                const auto found = units.find(line.substr(prefix.size()));
                if (found != units.end()) return &found->second;
            }
            begin = end + 1;
        }
    }
    return nullptr;
}

// Why a text in the escaped form does not fit where the unit shows; empty when it does.
std::string overLimit(const ExchangeUnit& unit, const std::string& escaped)
{
    if (unit.field == Field::Description) {
        const int lines = KeypadTextLayout::displayLines(escaped, unit.columns);
        if (lines > unit.maxLines)
            return "Takes " + std::to_string(lines) + " display lines, the keypad shows " +
                   std::to_string(unit.maxLines);
        return {};
    }
    if (escaped.size() > static_cast<std::size_t>(unit.maxLength))
        return std::to_string(escaped.size()) + " characters, at most " + std::to_string(unit.maxLength);
    return {};
}

// The same keypad codes written another way ("~xd8" for a raw "Ø") are the same text: the
// set keeps the form it has.
bool sameCodes(const std::string& escaped, const std::string& other)
{
    return escaped == other || decodeEscapes(escaped, false) == decodeEscapes(other, false);
}

ModeData* modeOf(stringData& set, const TranslationImport::Imported& text)
{
    DrvMenu* menu = set.DrvMenus().find(text.menuKey);
    Parameter* parameter = menu ? menu->Parameters().find(text.paraKey) : nullptr;
    return parameter ? parameter->modes().find(text.modeKey) : nullptr;
}

} // namespace

TranslationImport::Result TranslationImport::match(const TheApp& app, const TranslationFile& file)
{
    Result result;
    std::string reference;
    if (!file.sourceLanguage.empty()) {
        reference = LanguageCodes::setOf(app, file.sourceLanguage);
        if (reference.empty() || reference == app.getCustKey())
            throw ModelError(ModelError::TypeMismatch, file.name + ":1: the source language " + file.sourceLanguage +
                                                           " is no language of this drive");
    }
    result.referenceKey = TranslationExport::referenceKeyOf(app, reference);
    TranslationExport::Options options;
    options.referenceKey = result.referenceKey;
    std::map<std::string, ExchangeUnit> units;
    for (ExchangeUnit& unit : TranslationExport::build(app, options).units) units.emplace(unit.id, std::move(unit));

    std::set<std::string> seen;
    for (const TranslationFile::Unit& read : file.units) {
        const auto byId = units.find(read.id);
        const ExchangeUnit* unit = byId != units.end() ? &byId->second : placedByNotes(read, units);
        if (!unit) {
            result.unplaced.push_back({read.id, read.line, "no text of this drive has the id " + read.id});
            continue;
        }
        if (!seen.insert(unit->id).second)
            throw ModelError(ModelError::TypeMismatch,
                             file.name + ":" + std::to_string(read.line) + ": the unit " + unit->id + " comes twice");
        if (read.target.empty()) {
            ++result.untranslated;
            continue;
        }
        ExchangeText::Converted converted = ExchangeText::toModel(read.target, read.lost);
        if (converted.refusal.empty()) converted.refusal = overLimit(*unit, converted.escaped);
        if (!converted.refusal.empty()) {
            result.refused.push_back({unit->id, read.line, converted.refusal});
            continue;
        }
        const bool sourceChanged =
            ExchangeText::toModel(read.source).escaped != ExchangeText::toModel(unit->source).escaped;
        const bool trailingSpaces = KeypadTextLayout::stripTrailingSpaces(converted.escaped).removed > 0;
        result.imported.push_back({unit->id, unit->menuKey, unit->paraKey, unit->modeKey, unit->field,
                                   std::move(converted.escaped), sourceChanged, trailingSpaces});
    }
    return result;
}

void TranslationImport::apply(const Result& result, stringData& set)
{
    for (const Imported& text : result.imported) {
        ModeData* mode = modeOf(set, text);
        if (!mode) continue;
        if (text.field == Field::Help && !sameCodes(mode->getHelp(), text.text)) mode->setHelp(text.text);
        if (text.field == Field::Description && !sameCodes(mode->getDesc(), text.text)) mode->setDesc(text.text);
    }
}

namespace {

using TextKey = std::tuple<std::string, std::string, std::string, Field>;

// The imported texts by record and field.
std::map<TextKey, const std::string*> importedTexts(const TranslationImport::Result& result)
{
    std::map<TextKey, const std::string*> texts;
    for (const TranslationImport::Imported& text : result.imported)
        texts[{text.menuKey, text.paraKey, text.modeKey, text.field}] = &text.text;
    return texts;
}

std::string& textOf(ModeRecord& record, Field field)
{
    return field == Field::Help ? record.help : record.desc;
}

} // namespace

SetSnapshot TranslationImport::theirs(const SetSnapshot& ours, const Result& result)
{
    const std::map<TextKey, const std::string*> texts = importedTexts(result);
    SetSnapshot snapshot;
    for (ModeRecord record : ours.records()) {
        for (const Field field : {Field::Description, Field::Help}) {
            const auto found = texts.find({record.menuKey, record.paraKey, record.modeKey, field});
            if (found != texts.end() && !sameCodes(textOf(record, field), *found->second))
                textOf(record, field) = *found->second;
        }
        snapshot.add(std::move(record));
    }
    return snapshot;
}

SetSnapshot TranslationImport::base(const SetSnapshot& ours, const SetSnapshot& reference, const Result& result)
{
    const std::map<TextKey, const std::string*> texts = importedTexts(result);
    std::map<std::tuple<std::string, std::string, std::string>, const ModeRecord*> references;
    for (const ModeRecord& record : reference.records())
        references.emplace(std::make_tuple(record.menuKey, record.paraKey, record.modeKey), &record);
    SetSnapshot snapshot;
    for (ModeRecord record : ours.records()) {
        const auto ref = references.find({record.menuKey, record.paraKey, record.modeKey});
        for (const Field field : {Field::Description, Field::Help}) {
            const auto found = texts.find({record.menuKey, record.paraKey, record.modeKey, field});
            // An empty text of ours was never a translation: theirs fills it unasked.
            if (found != texts.end() && !sameCodes(textOf(record, field), *found->second) &&
                !textOf(record, field).empty() && ref != references.end())
                textOf(record, field) = field == Field::Help ? ref->second->help : ref->second->desc;
        }
        snapshot.add(std::move(record));
    }
    return snapshot;
}

} // namespace kpd
