#pragma once

#include <QString>

// What the auto-save window needs of the main window: the save itself and the place
// where the file name used by the save is kept.
class AutoSaveHost {
public:
    virtual ~AutoSaveHost() = default;
    virtual void AutoSave() = 0;
    // Whether anything changed since the last save or auto save (and may be saved at all).
    virtual bool hasChangesToSave() const = 0;
    virtual void setASFIleName(const QString& name) = 0;
};
