#include "setcomparison.h"

#include <unordered_map>

namespace kpd {

namespace {

constexpr Field kFields[] = {Field::Description, Field::Help, Field::Unit, Field::Limits};

std::string recordKey(const ModeRecord& record)
{
    // Keys never hold a line feed: they come from attribute values of single words and names.
    return record.menuKey + '\n' + record.paraKey + '\n' + record.modeKey;
}

class RecordIndex {
public:
    explicit RecordIndex(const SetSnapshot* snapshot)
    {
        if (!snapshot) return;
        for (const ModeRecord& record : snapshot->records()) byKey_.emplace(recordKey(record), &record);
    }
    const ModeRecord* find(const std::string& key) const
    {
        const auto found = byKey_.find(key);
        return found == byKey_.end() ? nullptr : found->second;
    }

private:
    std::unordered_map<std::string, const ModeRecord*> byKey_;
};

// A record one side lacks compares as a record that holds nothing.
ModeRecord emptyLike(const ModeRecord& other)
{
    ModeRecord record;
    record.menuKey = other.menuKey;
    record.menuName = other.menuName;
    record.paraKey = other.paraKey;
    record.paraName = other.paraName;
    record.modeKey = other.modeKey;
    return record;
}

void compareRecords(const ModeRecord& ours, const ModeRecord& theirs, const ModeRecord* base,
                    std::vector<Difference>& out)
{
    for (const Field field : kFields) {
        const std::string baseText = base ? fieldText(*base, field) : std::string();
        const std::optional<Change> change =
            SetComparison::classify(fieldText(ours, field), fieldText(theirs, field), base ? &baseText : nullptr);
        if (!change) continue;
        out.push_back(Difference{field, *change, ours, theirs,
                                 base ? std::optional<ModeRecord>(*base) : std::nullopt});
    }
}

} // namespace

std::optional<Change> SetComparison::classify(const std::string& ours, const std::string& theirs,
                                              const std::string* base)
{
    if (!base) {
        if (ours == theirs) return std::nullopt;
        if (theirs.empty()) return Change::OnlyOurs;
        if (ours.empty()) return Change::OnlyTheirs;
        return Change::Conflict;
    }
    if (ours == theirs) return ours == *base ? std::nullopt : std::optional<Change>(Change::ChangedBoth);
    if (ours == *base) return base->empty() ? Change::OnlyTheirs : Change::ChangedTheirs;
    if (theirs == *base) return base->empty() ? Change::OnlyOurs : Change::ChangedOurs;
    return Change::Conflict;
}

std::vector<Difference> SetComparison::compare(const SetSnapshot& ours, const SetSnapshot& theirs,
                                               const SetSnapshot* base)
{
    const RecordIndex theirIndex(&theirs);
    const RecordIndex baseIndex(base);
    const RecordIndex ourIndex(&ours);
    std::vector<Difference> differences;
    for (const ModeRecord& record : ours.records()) {
        const std::string key = recordKey(record);
        const ModeRecord* their = theirIndex.find(key);
        const ModeRecord* old = base ? baseIndex.find(key) : nullptr;
        const ModeRecord missingBase = emptyLike(record);
        compareRecords(record, their ? *their : emptyLike(record), base ? (old ? old : &missingBase) : nullptr,
                       differences);
    }
    // Records only their side has come after ours, in their order.
    for (const ModeRecord& record : theirs.records()) {
        const std::string key = recordKey(record);
        if (ourIndex.find(key)) continue;
        const ModeRecord* old = base ? baseIndex.find(key) : nullptr;
        const ModeRecord missingBase = emptyLike(record);
        compareRecords(emptyLike(record), record, base ? (old ? old : &missingBase) : nullptr, differences);
    }
    return differences;
}

} // namespace kpd
