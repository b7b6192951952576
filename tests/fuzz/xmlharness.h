#pragma once

#include "silentuserinterface.h"

#include "model/modelerror.h"
#include "model/theapp.h"
#include "xmlfiles/contenthandlerimpl.h"
#include "xmlfiles/errorhandlerimpl.h"
#include "xmlfiles/saxreader.h"

#include <string_view>

namespace kpd::fuzz {

// Runs a document through the loader as a file would go: the configuration vocabulary or
// the keypad data vocabulary, into the given data root. A model error escaping the loader
// is a finding: the loader traps them statement by statement.
inline void loadDocument(TheApp& app, std::string_view document, bool configuration, std::int16_t menu = -1)
{
    ContentHandlerImpl handler;
    handler.setAppRef(app, configuration);
    handler.singleMenu(menu);
    ErrorHandlerImpl errors;
    SaxReader reader(handler, errors);
    try {
        reader.parse(document);
    } catch (const ProgramEnded&) {
    }
}

} // namespace kpd::fuzz
