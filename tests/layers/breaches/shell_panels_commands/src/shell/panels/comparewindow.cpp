#include "comparewindow.h"

#include "shell/commands/comparecommands.h"
