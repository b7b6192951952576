#pragma once

#include "keyedcollection.h"
#include "parameter.h"

namespace kpd {

// The parameters of one menu. A mapped menu's collection is in add-existing mode: it
// creates nothing and holds, under trip keys, parameters that their home menus own.
class Parameters : public KeyedCollection<Parameter> {
public:
    bool isAddExisting() const { return addExisting_; }
    void setAddExisting(bool state) { addExisting_ = state; }

    // Creates a parameter keyed "p" plus its number; nullptr in add-existing mode.
    Parameter* Add(const std::string& key);
    // Shares an existing parameter under a trip key; nullptr unless in add-existing mode.
    Parameter* addExisting(const std::string& key, Parameter& aParam);

    std::string getFirstKey() const { return keyAt(0); }

    Parameter& nextPara() { return stepNext(); }
    Parameter& lastPara() { return stepLast(); }

    // Ascending parameter number; parameters with equal numbers keep their order.
    void sortParams();

private:
    bool addExisting_ = false;
};

} // namespace kpd
