#include "poreader.h"

#include <QString>
