#include "xliff12writer.h"

#include "exchangetext.h"
#include "unitnotes.h"

#include "xmlfiles/xmlutils.h"

namespace kpd {

namespace {

void writeTransUnit(XMLutils& xml, const ExchangeUnit& unit)
{
    xml.clearAttr();
    xml.addAttr("id", unit.id);
    xml.addAttr("resname", unit.resname);
    xml.addAttr("maxwidth", std::to_string(unit.maxLength));
    if (unit.maxLines > 0) xml.addAttr("maxheight", std::to_string(unit.maxLines));
    // A platform maps the "char" unit to its length check and ignores "col" and "row".
    xml.addAttr("size-unit", "char");
    xml.addAttr("weblate-flags", UnitNotes::flags(unit));
    // Trailing spaces and line breaks are part of the text.
    xml.addAttr("xml:space", "preserve");
    xml.startEl("trans-unit");
    xml.clearAttr();
    xml.textElement("source", unit.source);
    xml.addAttr("state", unit.translated ? "translated" : "needs-translation");
    xml.startEl("target");
    xml.clearAttr();
    xml.chars(unit.target);
    xml.endEl("target");
    xml.textElement("note", UnitNotes::place(unit));
    xml.textElement("note", UnitNotes::limit(unit));
    xml.endEl("trans-unit");
}

} // namespace

std::string Xliff12Writer::fileText(const ExchangeDocument& document)
{
    XMLutils xml;
    xml.startDoc();
    xml.clearAttr();
    xml.addAttr("version", "1.2");
    xml.addAttr("xmlns", "urn:oasis:names:tc:xliff:document:1.2");
    xml.startEl("xliff");
    xml.clearAttr();
    xml.addAttr("original", document.original);
    xml.addAttr("source-language", document.sourceLanguage);
    xml.addAttr("target-language", document.targetLanguage);
    xml.addAttr("datatype", "plaintext");
    xml.startEl("file");
    xml.clearAttr();
    xml.startEl("header");
    xml.addAttr("tool-id", "kpdtool");
    xml.addAttr("tool-name", document.generator);
    xml.startEl("tool");
    xml.clearAttr();
    xml.endEl("tool");
    xml.textElement("note", ExchangeDocument::kEscapeNote);
    xml.endEl("header");
    xml.startEl("body");
    const std::string* openMenu = nullptr;
    for (const ExchangeUnit& unit : document.units) {
        if (!openMenu || *openMenu != unit.menuKey) {
            if (openMenu) xml.endEl("group");
            xml.clearAttr();
            xml.addAttr("id", "menu." + ExchangeText::idPart(unit.menuKey));
            xml.addAttr("resname", unit.menuKey);
            xml.startEl("group");
            xml.clearAttr();
            xml.textElement("note", UnitNotes::menu(unit));
            openMenu = &unit.menuKey;
        }
        writeTransUnit(xml, unit);
    }
    if (openMenu) xml.endEl("group");
    xml.endEl("body");
    xml.endEl("file");
    xml.endEl("xliff");
    xml.endDoc();
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + xml.getOutput();
}

} // namespace kpd
