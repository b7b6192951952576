#include "keypaddatawriter.h"

#include "textcodec.h"
#include "xmlutils.h"

#include "fileio/filewriteerror.h"
#include "fileio/safefile.h"

#include "model/theapp.h"

namespace kpd {

namespace {

std::string orUndef(const std::string& value)
{
    return value.empty() ? std::string("undef") : value;
}

// A path is in the file system's UTF-8, a message is model text.
std::string modelTextOf(const FileWriteError& error)
{
    return FileWriteError::text(TextCodec::utf8ToLatin1(error.path()), TextCodec::utf8ToLatin1(error.reason()));
}

void reportWriteFailure(UserInterface& ui, const FileWriteError& error)
{
    ui.message(modelTextOf(error), "ERROR", MessageIcon::Critical);
}

} // namespace

void KeypadDataWriter::writeSet(XMLutils& xmlU, const stringData& set, bool constMode)
{
    TheApp* app = set.DrvMenus().app();
    // A long save keeps the window painting between menus.
    if (app) app->ui().processEvents();
    xmlU.clearAttr();
    xmlU.addAttr("DBID", set.dbKey());
    xmlU.startEl("StringDB");
    for (const DrvMenu& menu : set.DrvMenus()) {
        writeMenu(xmlU, menu, constMode);
        if (app) app->ui().processEvents();
    }
    xmlU.endEl("StringDB");
}

void KeypadDataWriter::writeMenu(XMLutils& xmlU, const DrvMenu& menu, bool constMode)
{
    // The trips menu's parameters are written with the menus that own them.
    if (menu.isMapped()) return;
    xmlU.clearAttr();
    xmlU.addAttr("MenuID", menu.menuKey());
    xmlU.startEl("Menu");
    for (const Parameter& parameter : menu.Parameters()) writeParameter(xmlU, parameter, constMode);
    xmlU.endEl("Menu");
}

void KeypadDataWriter::writeParameter(XMLutils& xmlU, const Parameter& parameter, bool constMode)
{
    xmlU.clearAttr();
    xmlU.addAttr("ParaID", parameter.paraKey());
    xmlU.startEl("Para");
    for (const ModeData& mode : parameter.modes()) writeMode(xmlU, mode, constMode);
    xmlU.endEl("Para");
}

void KeypadDataWriter::writeMode(XMLutils& xmlU, const ModeData& mode, bool constMode)
{
    const bool defined = mode.getBoolDefined();
    xmlU.clearAttr();
    xmlU.addAttr("ModeID", mode.modeKey());
    xmlU.addAttr("Unit", defined ? std::to_string(mode.unit()) : std::string("0"));
    if (constMode) {
        xmlU.addAttr("defined", mode.getStrDefined());
        xmlU.addAttr("nOfDP", mode.nOfDp());
        xmlU.addAttr("uLim", orUndef(mode.uLim()));
        xmlU.addAttr("lLim", orUndef(mode.lLim()));
        xmlU.addAttr("dVal", orUndef(mode.dVal()));
    }
    xmlU.startEl("Mode");
    xmlU.clearAttr();
    if (!constMode) {
        xmlU.startEl("Desc");
        xmlU.chars(defined ? mode.getDesc() : std::string());
        xmlU.endEl("Desc");
        xmlU.startEl("Help");
        xmlU.chars(defined ? mode.getHelp() : std::string());
        xmlU.endEl("Help");
    }
    xmlU.endEl("Mode");
}

bool KeypadDataWriter::saveApp(TheApp& app, const std::string& fname, bool constMode, const std::string& confinedTo)
{
    BusyPointer busy(app.ui());
    XMLutils xmlU;
    xmlU.clearAttr();
    xmlU.startDoc();
    xmlU.addAttr("AppID", kAppId);
    xmlU.addAttr("version", kVersion);
    xmlU.startEl("App");
    writeSet(xmlU, app.stringDatas().Item(app.getCustKey()), constMode);
    xmlU.endEl("App");
    xmlU.endDoc();

    try {
        SafeFile::write(fname, xmlU.getOutput(), {.confinedTo = confinedTo});
    } catch (const FileWriteError& error) {
        reportWriteFailure(app.ui(), error);
        return false;
    }
    app.setAppClean();
    return true;
}

bool KeypadDataWriter::saveMenu(const DrvMenu& menu, const std::string& fname, const std::string& confinedTo)
{
    XMLutils xmlU;
    xmlU.clearAttr();
    xmlU.startDoc();
    if (!menu.isMapped()) {
        writeMenu(xmlU, menu, false);
    } else if (menu.owner()) {
        for (std::int16_t i = 0; i < menu.nOfFwdMenus(); ++i)
            writeMenu(xmlU, menu.owner()->Item(menu.GetFwdMenu(i)), false);
    }
    xmlU.endDoc();

    try {
        SafeFile::write(fname, xmlU.getOutput(), {.confinedTo = confinedTo});
    } catch (const FileWriteError& error) {
        TheApp* app = menu.owner() ? menu.owner()->app() : nullptr;
        if (!app) throw ModelError(ModelError::InvalidCall, modelTextOf(error));
        reportWriteFailure(app->ui(), error);
        return false;
    }
    return true;
}

} // namespace kpd
