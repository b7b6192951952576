#pragma once

#include "setsnapshot.h"

#include <optional>
#include <string>

namespace kpd {

class ModeData;

// What of a per-mode record differs. The limits stand for the constant data of the record:
// lower and upper limit, default, decimal places and whether the mode exists.
enum class Field { Description, Help, Unit, Limits };

// How a difference came about. Without a common base nobody can tell who changed a text
// that both sides hold differently: that is a conflict, a choice only the user can make.
enum class Change {
    OnlyOurs,     // the text is ours alone: their side is empty (or never had it)
    OnlyTheirs,   // the text is theirs alone: ours is empty (or never had it)
    ChangedOurs,  // we changed it since the base, they did not
    ChangedTheirs,
    ChangedBoth,  // both changed it since the base, the same way
    Conflict,
};

enum class Side { Ours, Theirs };

// One field of one per-mode record that differs between the two sides (or, with a base,
// that either side changed). It carries the records as they were compared, so that it can
// be shown and applied after the sets have moved on.
struct Difference {
    Field field;
    Change change;
    ModeRecord ours;
    ModeRecord theirs;
    std::optional<ModeRecord> base;

    const std::string& menuKey() const { return ours.menuKey; }
    const std::string& paraKey() const { return ours.paraKey; }
    const std::string& modeKey() const { return ours.modeKey; }
    // Where applying their side is all a user has to decide: "take theirs where we did not
    // change it". Our own changes and changes made the same way need nothing.
    bool takesTheirsUnasked() const { return change == Change::OnlyTheirs || change == Change::ChangedTheirs; }
    bool isConflict() const { return change == Change::Conflict; }
};

// The field as one text: the escaped text itself, the unit code, or the limits joined in
// a form that compares equal exactly when every constant is equal.
std::string fieldText(const ModeRecord& record, Field field);
// The field as a person reads it: unit names, the limits labelled.
std::string readableFieldText(const ModeRecord& record, Field field);
// The field of a live record, in the form fieldText gives.
std::string fieldText(const ModeData& mode, Field field);
// Writes the field of `from` into the live record; texts go through setDesc and setHelp
// so that their undo slots hold what they replace.
void assignField(ModeData& mode, const ModeRecord& from, Field field);

const char* fieldName(Field field);
const char* changeName(Change change);

} // namespace kpd
