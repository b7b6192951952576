#pragma once

#include "comrt/typelibrary.h"

// LCDTEXTBOXLib: the description of the keypad text box's classes and interfaces that the
// library carries inside itself and registers.
class LcdtextboxTypeLib {
public:
    static const comrt::TypeLibrary& library();
};
