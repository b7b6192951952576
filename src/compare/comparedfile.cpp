#include "comparedfile.h"

#include "model/modelerror.h"
#include "xmlfiles/contenthandler.h"
#include "xmlfiles/driveloader.h"
#include "xmlfiles/errorhandlerimpl.h"
#include "xmlfiles/saxreader.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace kpd {

// The caller's user interface for messages and the busy pointer; a fatal configuration
// fault ends only this load, not the program.
class ComparedFile::ContainedFailures : public UserInterface {
public:
    explicit ContainedFailures(UserInterface& ui) : ui_(ui) {}
    MessageAnswer message(const std::string& text, const std::string& title, MessageIcon icon,
                          MessageButtons buttons) override
    {
        return ui_.message(text, title, icon, buttons);
    }
    void waitOn() override { ui_.waitOn(); }
    void waitOff() override { ui_.waitOff(); }
    void processEvents() override { ui_.processEvents(); }
    std::unique_ptr<ProgressWindow> openProgress(ProgressOwner& owner, std::int32_t range,
                                                 const std::string& caption) override
    {
        return ui_.openProgress(owner, range, caption);
    }
    [[noreturn]] void endProgram() override
    {
        throw ModelError(ModelError::InvalidCall, "The drive configuration cannot be read for the comparison");
    }

private:
    UserInterface& ui_;
};

namespace {

// Which set a document fills, read the way the loader routes it: the StringDB's DBID, with
// the names older files used for the constants and the custom set; a single menu goes back
// into the custom set.
class SetNameProbe : public ContentHandler {
public:
    explicit SetNameProbe(const TheApp& app) : app_(app) {}
    void startFragment() override { found(app_.getCustKey()); }
    void startElement(const std::string& qName, const SaxAttributes& attributes) override
    {
        if (qName != "StringDB") return;
        const std::string* dbid = attributes.find("DBID");
        if (!dbid) return;
        if (*dbid == "Constants")
            found(app_.getLangDBKey(0));
        else if (*dbid == "Alternate")
            found("Custom");
        else
            found(*dbid);
    }
    void endElement(const std::string&) override {}
    void characters(std::string_view) override {}
    const std::string& name() const { return name_; }

private:
    void found(const std::string& name)
    {
        if (name_.empty() && app_.stringDatas().find(name)) name_ = name;
    }
    const TheApp& app_;
    std::string name_;
};

std::string probeSetName(const TheApp& app, const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SetNameProbe probe(app);
    ErrorHandlerImpl errors;
    SaxReader(probe, errors).parse(bytes);
    return probe.name();
}

} // namespace

ComparedFile::ComparedFile(UserInterface& ui, const std::string& driveFolder)
    : ui_(std::make_unique<ContainedFailures>(ui)), app_(*ui_, driveFolder)
{
}

ComparedFile::~ComparedFile() = default;

std::unique_ptr<ComparedFile> ComparedFile::load(UserInterface& ui, const std::string& driveFolder,
                                                 const std::string& path, LoadResult& result)
{
    result = LoadResult::Missing;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return nullptr;
    std::unique_ptr<ComparedFile> file(new ComparedFile(ui, driveFolder));
    TheApp& app = file->app_;
    DriveLoader loader(app);
    if (loader.readConfiguration() != DriveLoader::Configuration::Read) return nullptr;
    // The editor warned about missing constants at start-up; both sides then lack them alike.
    loader.readConstants();
    const std::string name = probeSetName(app, path);
    file->set_ = app.stringDatas().find(name.empty() ? app.getCustKey() : name);
    if (!file->set_) return nullptr;
    result = app.loadUserDocument(path, -1);
    return file;
}

} // namespace kpd
