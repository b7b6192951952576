#include "workingtexts.h"

#include "model/modelerror.h"

#include <algorithm>

void WorkingTexts::markChanged(EditBox box)
{
    if (box != EditBox::None) text(box).changed = true;
}

void WorkingTexts::load(const std::array<std::string, 4>& texts, std::int16_t refUnit, std::int16_t custUnit)
{
    for (std::size_t i = 0; i < texts.size(); ++i) texts_[i].working = texts[i];
    units_ = {refUnit, custUnit};
    clearChanges();
}

void WorkingTexts::readBack(EditBox box, const std::string& boxText)
{
    Text& t = text(box);
    t.previous = t.working;
    t.working = boxText;
}

bool WorkingTexts::swapWithPrevious(EditBox box)
{
    Text& t = text(box);
    if (!t.changed) return false;
    std::swap(t.working, t.previous);
    return true;
}

void WorkingTexts::convert(EditBox box, const std::function<char(char)>& change)
{
    Text& t = text(box);
    t.previous = t.working;
    std::transform(t.working.begin(), t.working.end(), t.working.begin(), change);
    t.changed = true;
}

void WorkingTexts::chooseUnit(EditPanel panel, std::int16_t unit)
{
    units_[index(panel)] = unit;
    unitChanged_[index(panel)] = true;
}

void WorkingTexts::toggleUnit(EditPanel panel, std::int16_t unit)
{
    chooseUnit(panel, units_[index(panel)] == unit ? std::int16_t{0} : unit);
}

bool WorkingTexts::anyChange() const
{
    return std::any_of(texts_.begin(), texts_.end(), [](const Text& t) { return t.changed; }) ||
           std::find(unitChanged_.begin(), unitChanged_.end(), true) != unitChanged_.end();
}

void WorkingTexts::clearChanges()
{
    for (Text& t : texts_) t.changed = false;
    unitChanged_ = {false, false};
}

WorkingTexts::Text& WorkingTexts::text(EditBox box)
{
    if (box == EditBox::None) throw kpd::ModelError(kpd::ModelError::InvalidCall, "No text box is active");
    return texts_[static_cast<std::size_t>(box) - 1];
}

const WorkingTexts::Text& WorkingTexts::text(EditBox box) const
{
    return const_cast<WorkingTexts*>(this)->text(box);
}
