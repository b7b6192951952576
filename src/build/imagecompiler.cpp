#include "imagecompiler.h"

#include "imagelayout.h"
#include "keypadwords.h"
#include "wordcounter.h"

#include <cmath>

namespace kpd {

bool ImageCompiler::compile(const std::vector<ParamStrings>& records, Dictionary& dictionary, DatabaseImage& image,
                            const Checkpoint& checkpoint, ImageMap* map)
{
    WordCounter counter;
    const std::size_t count = records.size();
    for (std::size_t r = 0; r < count; ++r) {
        const ParamStrings& record = records[r];
        for (std::size_t j = 0; j < kModeSlots; ++j) {
            for (const std::string* text : {&record.descriptions[j], &record.helps[j]})
                if (!text->empty())
                    forEachWord(*text, [&counter](std::string_view word) { counter.countWord(word); });
        }
        const auto percent = static_cast<std::int32_t>(std::lround(static_cast<double>(r) / count * 25));
        if (checkpoint(percent)) return false;
    }
    if (checkpoint(25)) return false;
    dictionary = Dictionary(counter.dictionaryWords());
    if (map) {
        map->wordOccurrences.clear();
        for (const std::string& word : dictionary.words()) map->wordOccurrences.push_back(counter.countOf(word));
    }
    if (checkpoint(45)) return false;

    ImageLayout layout(dictionary, image);
    layout.setMap(map);
    if (checkpoint(55)) return false;
    layout.pack(records);
    if (checkpoint(65)) return false;
    layout.countMenus();
    if (checkpoint(75)) return false;
    layout.writeRecords();
    if (checkpoint(85)) return false;
    layout.writeDictionary();
    if (checkpoint(90)) return false;
    return !checkpoint(100);
}

} // namespace kpd
