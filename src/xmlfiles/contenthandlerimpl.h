#pragma once

#include "configelementhandler.h"
#include "contenthandler.h"
#include "loadnotes.h"
#include "loadrollback.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kpd {

class DrvMenu;
class ModeData;
class Parameter;
class TheApp;
class stringData;

// Fills the model from a document: either the keypad data vocabulary (data, constants
// and language files, single-menu documents) or the configuration vocabulary. It never
// creates menus, parameters or modes in the data vocabulary; elements whose keys the
// model does not hold are skipped with everything inside them. A document that is not
// keypad data at all (another root, no StringDB, a set the drive does not have, an
// element without its key) is refused, and what it had changed is put back.
class ContentHandlerImpl : public ContentHandler {
public:
    // Files from before 10300 carry no constants; from before 10401 no units.
    static constexpr std::int32_t kConstantsVersion = 10300;
    static constexpr std::int32_t kUnitVersion = 10401;
    // A single-menu document has no App to say its version; it is written in this form.
    static constexpr std::int32_t kFragmentVersion = 10500;

    ContentHandlerImpl();
    ~ContentHandlerImpl() override;

    // loadAppData true: the configuration vocabulary.
    void setAppRef(TheApp& anApp, bool loadAppData);
    // -1 loads every menu; any other number only the menu with that number.
    void singleMenu(std::int16_t menuNumber) { singleMenu_ = menuNumber; }
    // Language and constants files are whole sets: a single-menu document is refused.
    void acceptFragments(bool accept) { acceptFragments_ = accept; }
    // The file, for the messages that name it.
    void setDocumentName(const std::string& name);
    // Empties the custom set before the load, to be filled again by the document.
    void clearCustomSet();

    void startFragment() override;
    void startElement(const std::string& qName, const SaxAttributes& attributes) override;
    void endElement(const std::string& qName) override;
    void characters(std::string_view text) override;
    void charactersReplaced(const std::vector<LostCharacters::Character>& replaced) override;
    void setDocumentLocator(const DocumentLocator& locator) override;
    bool refused() const override { return refused_; }

    void handleConfigElement(bool start, const std::string& qName, const SaxAttributes& attributes);

    std::int32_t formatVersion() const { return formatVersion_; }
    // Why the document was refused: what was expected and what was found.
    std::string refusal() const;
    LoadNotes& notes() { return notes_; }

private:
    void refuse(std::string reason);
    long line() const { return locator_ ? locator_->line() : 0; }
    std::string modePlace() const;
    void takeUnit(ModeData& mode, const std::string& value);
    void takeDecimalPlaces(ModeData& mode, const std::string& value);
    void recordLostCharacters(bool help);
    void startApp(const SaxAttributes& attributes);
    void startStringDB(const SaxAttributes& attributes);
    void startMenu(const SaxAttributes& attributes);
    void startPara(const SaxAttributes& attributes);
    void startMode(const SaxAttributes& attributes);
    void endDesc();
    void endHelp();

    TheApp* app_ = nullptr;
    bool configuration_ = false;
    std::unique_ptr<ConfigElementHandler> config_;
    std::int16_t singleMenu_ = -1;
    std::string buffer_;
    int state_ = 0;
    stringData* set_ = nullptr;
    DrvMenu* menu_ = nullptr;
    Parameter* parameter_ = nullptr;
    ModeData* mode_ = nullptr;
    std::int32_t nextPara_ = 0;
    std::int32_t nextMode_ = 0;
    std::int32_t formatVersion_ = 0;
    bool menuText_ = false;
    bool paraText_ = false;
    bool acceptFragments_ = true;
    bool rootSeen_ = false;
    bool stringDBSeen_ = false;
    const DocumentLocator* locator_ = nullptr;
    // The line of the first lost character of the text being gathered.
    long textLine_ = 0;
    // Asked after every event: a flag, not the reason's text.
    bool refused_ = false;
    std::string refusal_;
    LoadRollback rollback_;
    LoadNotes notes_;
    // The characters lost from the next piece of text, and from the text in the buffer.
    std::vector<LostCharacters::Character> pendingLost_;
    std::vector<LostCharacters::Character> bufferLost_;
};

} // namespace kpd
