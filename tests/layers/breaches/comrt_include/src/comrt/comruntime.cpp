#include "comruntime.h"

#include "../lcdtextbox/lcdtextboxids.h"
