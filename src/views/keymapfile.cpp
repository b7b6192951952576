#include "keymapfile.h"

#include "lcdtextboxhost/lcdtextboxhost.h"
#include "modeltext/modeltext.h"
#include "xmlfiles/fixedfile.h"

#include <QFile>

KeyMapFile::KeyMapFile(const QString& programFolder, LcdtextboxHost& box)
    : box_(box),
      path_(fromFileName(kpd::FixedFile::path(toFileName(programFolder), "keymap.kpm")))
{
    if (!QFile::exists(path_)) return;
    QString path = path_;
    box_.loadMapping(path);
}

void KeyMapFile::save()
{
    if (path_.isEmpty()) return;
    QString path = path_;
    box_.saveMapping(path);
}
