#include "keypadtext/ckeypadtext.h"
#include "lcdtextbox/clcdtextboxctrl.h"
