#include "sizeanalysis.h"

#include "buildlimiterror.h"
#include "databaseimage.h"
#include "dictionary.h"
#include "imagecompiler.h"
#include "imagelayout.h"
#include "imagemap.h"
#include "stringcollector.h"
#include "stringencoder.h"

#include <unordered_map>

namespace kpd {

namespace {

// Counts the tokens of one stored text per dictionary index. Raw texts never hold 0x0F
// (the build blanks it), so every 0x0F starts a token and the byte after it is an index.
void countTokens(const DatabaseImage& image, const PlacedString& placed, std::vector<std::uint32_t>& tokens)
{
    const std::uint32_t end = placed.offset + placed.bytes - 1;
    for (std::uint32_t pos = placed.offset; pos < end; ++pos) {
        if (image.at(pos) != StringEncoder::kToken) continue;
        ++tokens[image.at(pos + 1)];
        ++pos;
    }
}

void addStrings(SizeReport& report, const std::vector<ParamStrings>& records, const ImageMap& map,
                const DatabaseImage& image, std::vector<std::uint32_t>& tokens)
{
    std::unordered_map<std::uint32_t, std::size_t> stringAt;
    for (std::size_t r = 0; r < map.records.size(); ++r) {
        const PlacedRecord& placed = map.records[r];
        const ParamStrings& source = records[placed.source];
        ParamSize& param = report.parameters[r];
        std::vector<std::string> texts;
        for (std::size_t s = 0; s < placed.strings.size(); ++s) {
            const PlacedString& string = placed.strings[s];
            if (string.backReference) {
                StringSize& target = report.strings[stringAt.at(string.storedAt)];
                const std::int64_t saved = static_cast<std::int64_t>(target.bytes) - SizeReport::kBackReferenceBytes;
                target.sharedBy.push_back(r);
                target.savedBySharing += saved;
                param.savedBySharing += saved;
                continue;
            }
            countTokens(image, string, tokens);
            stringAt.emplace(string.storedAt, report.strings.size());
            StringSize& row = report.strings.emplace_back();
            // Only stored strings need their text, and most records store few.
            if (texts.empty()) texts = ImageLayout::packParam(source).strings;
            row.text = texts[s];
            row.owner = r;
            row.help = string.help;
            row.bytes = string.bytes;
        }
    }
}

} // namespace

std::uint64_t SizeReport::attributedBytes() const
{
    std::uint64_t sum = tableBytes + dictionaryBytes;
    for (const ParamSize& p : parameters) sum += p.bytes;
    return sum;
}

SizeInput SizeAnalysis::collect(const TheApp& app)
{
    SizeInput input;
    try {
        input.records = StringCollector::collect(app);
    } catch (const BuildLimitError& e) {
        input.records.clear();
        input.failure = e.what();
    }
    return input;
}

SizeReport SizeAnalysis::analyse(const SizeInput& input)
{
    SizeReport report;
    report.limit = DatabaseImage::kKeypadLimit;
    report.failure = input.failure;
    if (!report.built()) return report;

    Dictionary dictionary;
    DatabaseImage image;
    ImageMap map;
    try {
        ImageCompiler::compile(
            input.records, dictionary, image, [](std::int32_t) { return false; }, &map);
    } catch (const BuildLimitError& e) {
        report.failure = e.what();
        return report;
    }
    report.totalBytes = static_cast<std::uint32_t>(image.size());
    report.tableBytes = map.tableBytes;
    report.dictionaryBytes = report.totalBytes - map.dictionaryOffset;

    report.parameters.reserve(map.records.size());
    for (const PlacedRecord& placed : map.records) {
        const ParamStrings& source = input.records[placed.source];
        ParamSize& param = report.parameters.emplace_back();
        param.menuKey = source.menuKey;
        param.paraKey = source.paraKey;
        param.menuName = source.menuName;
        param.paraName = source.paraName;
        param.menuNumber = source.menuNumber;
        param.paraNumber = source.paraNumber;
        param.bytes = placed.length;
        if (report.menus.empty() || report.menus.back().menuKey != source.menuKey) {
            MenuSize& menu = report.menus.emplace_back();
            menu.menuKey = source.menuKey;
            menu.menuName = source.menuName;
            menu.menuNumber = source.menuNumber;
        }
        ++report.menus.back().parameters;
        report.menus.back().bytes += placed.length;
    }

    std::vector<std::uint32_t> tokens(Dictionary::kSize, 0);
    addStrings(report, input.records, map, image, tokens);

    for (std::size_t i = 0; i < Dictionary::kSize; ++i) {
        WordSize& word = report.words.emplace_back();
        word.index = static_cast<std::uint8_t>(i);
        word.word = dictionary.word(i);
        word.occurrences = map.wordOccurrences.at(i);
        word.tokens = tokens[i];
        const auto length = static_cast<std::uint32_t>(word.word.size());
        word.saved = length > 2 ? tokens[i] * (length - 2) : 0;
        word.cost = 3 + length + 1;
    }
    return report;
}

} // namespace kpd
