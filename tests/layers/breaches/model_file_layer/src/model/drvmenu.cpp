#include "drvmenu.h"

#include "xmlfiles/keypaddatawriter.h"
