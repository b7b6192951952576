#include "xliff21writer.h"

#include "exchangetext.h"
#include "unitnotes.h"

#include "xmlfiles/xmlutils.h"

namespace kpd {

namespace {

void notes(XMLutils& xml, std::initializer_list<std::string> texts)
{
    xml.clearAttr();
    xml.startEl("notes");
    for (const std::string& text : texts) xml.textElement("note", text);
    xml.endEl("notes");
}

void writeUnit(XMLutils& xml, const ExchangeUnit& unit)
{
    xml.clearAttr();
    xml.addAttr("id", unit.id);
    xml.addAttr("name", unit.resname);
    xml.addAttr("slr:sizeRestriction", std::to_string(unit.maxLength));
    xml.addAttr("xml:space", "preserve");
    xml.startEl("unit");
    notes(xml, {UnitNotes::place(unit), UnitNotes::limit(unit)});
    xml.addAttr("state", unit.translated ? "translated" : "initial");
    xml.startEl("segment");
    xml.clearAttr();
    xml.textElement("source", unit.source);
    xml.textElement("target", unit.target);
    xml.endEl("segment");
    xml.endEl("unit");
}

} // namespace

std::string Xliff21Writer::fileText(const ExchangeDocument& document)
{
    XMLutils xml;
    xml.startDoc();
    xml.clearAttr();
    xml.addAttr("xmlns", "urn:oasis:names:tc:xliff:document:2.0");
    xml.addAttr("xmlns:slr", "urn:oasis:names:tc:xliff:sizerestriction:2.0");
    xml.addAttr("version", "2.1");
    xml.addAttr("srcLang", document.sourceLanguage);
    xml.addAttr("trgLang", document.targetLanguage);
    xml.startEl("xliff");
    xml.clearAttr();
    xml.addAttr("id", "f1");
    xml.addAttr("original", document.original);
    xml.startEl("file");
    xml.clearAttr();
    xml.addAttr("generalProfile", "xliff:codepoints");
    xml.startEl("slr:profiles");
    xml.clearAttr();
    xml.endEl("slr:profiles");
    notes(xml, {ExchangeDocument::kEscapeNote});
    const std::string* openMenu = nullptr;
    for (const ExchangeUnit& unit : document.units) {
        if (!openMenu || *openMenu != unit.menuKey) {
            if (openMenu) xml.endEl("group");
            xml.clearAttr();
            xml.addAttr("id", "menu." + ExchangeText::idPart(unit.menuKey));
            xml.addAttr("name", unit.menuKey);
            xml.startEl("group");
            notes(xml, {UnitNotes::menu(unit)});
            openMenu = &unit.menuKey;
        }
        writeUnit(xml, unit);
    }
    if (openMenu) xml.endEl("group");
    xml.endEl("file");
    xml.endEl("xliff");
    xml.endDoc();
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + xml.getOutput();
}

} // namespace kpd
