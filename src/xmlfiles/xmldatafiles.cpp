#include "xmldatafiles.h"

#include "documentloader.h"
#include "keypaddatawriter.h"

#include "model/theapp.h"

namespace kpd {

XmlDataFiles& XmlDataFiles::instance()
{
    static XmlDataFiles files;
    return files;
}

bool XmlDataFiles::readConfiguration(TheApp& app)
{
    return DocumentLoader::loadConfiguration(app, DocumentLoader::kConfigurationFile);
}

LoadResult XmlDataFiles::loadUserDocument(TheApp& app, const std::string& path, std::int16_t mNum, LoadMode mode)
{
    return DocumentLoader::loadUserDocument(app, path, mNum, mode);
}

bool XmlDataFiles::saveApp(TheApp& app, const std::string& fname, bool constMode, const std::string& confinedTo)
{
    return KeypadDataWriter::saveApp(app, fname, constMode, confinedTo);
}

bool XmlDataFiles::saveMenu(const DrvMenu& menu, const std::string& fname, const std::string& confinedTo)
{
    return KeypadDataWriter::saveMenu(menu, fname, confinedTo);
}

// The one place where the core library gives a data root its files: every program and
// test that builds a TheApp without naming a DataFiles reads and writes XML.
TheApp::TheApp(UserInterface& ui, std::string appFolder)
    : TheApp(ui, std::move(appFolder), XmlDataFiles::instance())
{
}

} // namespace kpd
