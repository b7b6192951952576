#include "difference.h"

#include "model/modedata.h"

namespace kpd {

namespace {

const char* const kUnitNames[] = {"No Unit", "%", "A", "RPM", "Hz"};

// Whether the default is a text is left out: data files never carry that flag, and every
// load of one clears it, so a set saved and read again would differ from itself.
std::string limitsText(const std::string& lLim, const std::string& uLim, const std::string& dVal, std::int16_t nOfDp,
                       bool defined)
{
    // The separator never occurs in a number or in a default written in a file.
    constexpr char kSep = '\x1f';
    return lLim + kSep + uLim + kSep + dVal + kSep + std::to_string(nOfDp) + kSep + (defined ? "1" : "0");
}

} // namespace

std::string fieldText(const ModeRecord& record, Field field)
{
    switch (field) {
    case Field::Description: return record.desc;
    case Field::Help: return record.help;
    case Field::Unit: return record.unit == 0 ? std::string() : std::to_string(record.unit);
    case Field::Limits:
        return limitsText(record.lLim, record.uLim, record.dVal, record.nOfDp, record.defined);
    }
    return {};
}

std::string fieldText(const ModeData& mode, Field field)
{
    switch (field) {
    case Field::Description: return mode.getDesc();
    case Field::Help: return mode.getHelp();
    case Field::Unit: return mode.unit() == 0 ? std::string() : std::to_string(mode.unit());
    case Field::Limits:
        return limitsText(mode.lLim(), mode.uLim(), mode.dVal(), mode.decimalPlaces(), mode.defined());
    }
    return {};
}

std::string readableFieldText(const ModeRecord& record, Field field)
{
    switch (field) {
    case Field::Description: return record.desc;
    case Field::Help: return record.help;
    case Field::Unit:
        return record.unit >= 0 && record.unit <= 4 ? kUnitNames[record.unit] : "Unit " + std::to_string(record.unit);
    case Field::Limits:
        if (!record.defined) return "Not defined in this mode";
        return "Lower " + record.lLim + ", upper " + record.uLim + ", default " + record.dVal + ", decimals " +
               std::to_string(record.nOfDp);
    }
    return {};
}

void assignField(ModeData& mode, const ModeRecord& from, Field field)
{
    switch (field) {
    case Field::Description: mode.setDesc(from.desc); break;
    case Field::Help: mode.setHelp(from.help); break;
    case Field::Unit: mode.setUnit(from.unit); break;
    case Field::Limits:
        mode.setLLim(from.lLim);
        mode.setULim(from.uLim);
        mode.setDVal(from.dVal);
        mode.setDecimalPlaces(from.nOfDp);
        mode.setDefined(from.defined);
        break;
    }
}

const char* fieldName(Field field)
{
    switch (field) {
    case Field::Description: return "Description";
    case Field::Help: return "Help";
    case Field::Unit: return "Unit";
    case Field::Limits: return "Limits";
    }
    return "";
}

const char* changeName(Change change)
{
    switch (change) {
    case Change::OnlyOurs: return "only ours";
    case Change::OnlyTheirs: return "only theirs";
    case Change::ChangedOurs: return "changed by us";
    case Change::ChangedTheirs: return "changed by them";
    case Change::ChangedBoth: return "changed the same way";
    case Change::Conflict: return "conflict";
    }
    return "";
}

} // namespace kpd
