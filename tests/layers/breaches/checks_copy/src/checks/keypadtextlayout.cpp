#include "ckeypadtext.h"
