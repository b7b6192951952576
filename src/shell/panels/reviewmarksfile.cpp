#include "reviewmarksfile.h"

#include "fileio/filereaderror.h"
#include "model/userinterface.h"
#include "modeltext/failurereport.h"
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
    reportFailures(ui_, [&] { marks_.save(toFileName(dataFile)); });
}
