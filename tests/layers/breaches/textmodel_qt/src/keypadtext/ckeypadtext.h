#pragma once

#include <QString>

class CKeypadText {
};
