#include "reviewmarksfile.h"

#include "fileio/filereaderror.h"
#include "fileio/filewriteerror.h"
#include "model/userinterface.h"
#include "modeltext/modeltext.h"

void ReviewMarksFile::open(const QString& dataFile)
{
    marks_.clear();
    if (dataFile.isEmpty()) return;
    try {
        marks_ = kpd::ReviewMarks::load(toFileName(dataFile));
    } catch (const kpd::FileReadError& error) {
        ui_.message(error.what(), "ERROR", kpd::MessageIcon::Critical);
    }
}

void ReviewMarksFile::write(const QString& dataFile)
{
    if (dataFile.isEmpty()) return;
    try {
        marks_.save(toFileName(dataFile));
    } catch (const kpd::FileWriteError& error) {
        ui_.message(messageOf(error), "ERROR", kpd::MessageIcon::Critical);
    }
}
