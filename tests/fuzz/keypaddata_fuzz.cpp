// Feeds bytes to the loader as a keypad data file (or a single-menu document) over a small
// drive, the way Open and the start-up load one into the sets the configuration built.
#include "xmlharness.h"

#include <cstddef>
#include <cstdint>

namespace {

// Two languages, the general modes, a menu of its own modes (15, whose names also go to
// the operating-mode map) and trips mapped onto parameters, so that every branch of the
// data vocabulary has something to fill.
constexpr std::string_view kDrive =
    "<keypadToolData version=\"10500\" recMaxHelpChars=\"170\" custom=\"Lang1\" base=\"65536\">"
    "<dbNames Lang0=\"English\" Lang1=\"Custom\"/>"
    "<modes mode2=\"Open loop\" mode3=\"Closed loop\" mode4=\"Servo\" mode5=\"Regen\"/>"
    "<root name=\"VX Drive\">"
    "<menu name=\"Quick setup\" nmbr=\"0\" cloneable=\"1\"><para name=\"Zero\" nmbr=\"0\"/>"
    "<para name=\"Minimum speed\" nmbr=\"1\"/><para name=\"Maximum speed\" nmbr=\"2\"/></menu>"
    "<menu name=\"Speed\" nmbr=\"1\" cloneable=\"0\"><para name=\"Reference\" nmbr=\"0\"/>"
    "<para name=\"Offset\" nmbr=\"5\"/></menu>"
    "<menu name=\"Options\" nmbr=\"15\" hide=\"true\"><modes mode2=\"Option A\" mode3=\"Option B\"/>"
    "<para name=\"Option code\" nmbr=\"1\"/></menu>"
    "<trips name=\"Trips\"><trip name=\"Over volts\" nmbr=\"1\" mapMen=\"0\" mapPar=\"2\"/>"
    "<trip name=\"Under volts\" nmbr=\"2\" mapMen=\"1\" mapPar=\"5\"/></trips>"
    "</root></keypadToolData>";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kpd::fuzz::SilentUserInterface ui;
    kpd::TheApp app(ui, ".");
    kpd::fuzz::loadDocument(app, kDrive, true);
    const std::string_view document(reinterpret_cast<const char*>(data), size);
    kpd::fuzz::loadDocument(app, document, false);
    // The same bytes as Load Menu reads them into one menu.
    kpd::fuzz::loadDocument(app, document, false, 1);
    return 0;
}
