#include "exportcommands.h"

#include "shell/frame/mainwindow.h"
