#include "lcdtextboxtypelib.h"

#include "lcdtextboxdispids.h"
#include "lcdtextboxids.h"

#include <utility>

namespace {

using comrt::MemberInfo;
using comrt::ParamInfo;
using comrt::TypeInfo;
using comrt::VarType;
namespace dispid = lcdtextbox::dispid;

MemberInfo property(comrt::DispId id, const char* name, VarType type, bool readOnly = false)
{
    return {id, QString::fromLatin1(name), MemberInfo::Property, type, readOnly, {}};
}

MemberInfo method(comrt::DispId id, const char* name, VarType result = VarType::Empty,
                  std::vector<ParamInfo> params = {})
{
    return {id, QString::fromLatin1(name), MemberInfo::Method, result, false, std::move(params)};
}

TypeInfo dispatchInterface()
{
    TypeInfo type;
    type.kind = TypeInfo::DispInterface;
    type.id = lcdtextbox::ids::dispatchInterface;
    type.name = QStringLiteral("_DLcdtextbox");
    type.helpString = QStringLiteral("Dispatch interface for Lcdtextbox Control");
    type.flags = TypeInfo::Hidden;
    type.members = {
        property(dispid::nCols, "nCols", VarType::Int16),
        property(dispid::nRows, "nRows", VarType::Int16),
        property(dispid::EmptyCellColor, "EmptyCellColor", VarType::Color),
        property(dispid::lineLimit, "lineLimit", VarType::Int16),
        property(dispid::text, "text", VarType::String),
        property(dispid::nChars, "nChars", VarType::Int16, true),
        property(dispid::cursorPos, "cursorPos", VarType::Int16),
        property(dispid::row, "row", VarType::Int16, true),
        property(dispid::col, "col", VarType::Int16, true),
        property(dispid::nCells, "nCells", VarType::Int16, true),
        property(dispid::maxCell, "maxCell", VarType::Int16, true),
        property(dispid::convertString, "convertString", VarType::String),
        property(dispid::PresentRow, "PresentRow", VarType::Int16),
        property(dispid::MaxRow, "MaxRow", VarType::Int16, true),
        property(comrt::dispid::foreColor, "ForeColor", VarType::Color),
        property(comrt::dispid::font, "Font", VarType::Font),
        property(comrt::dispid::backColor, "BackColor", VarType::Color),
        property(comrt::dispid::borderStyle, "BorderStyle", VarType::Int16),
        property(comrt::dispid::enabled, "Enabled", VarType::Bool),
        property(dispid::spellCheck, "spellCheck", VarType::Bool),
        property(dispid::misspelledWords, "misspelledWords", VarType::String),
        property(dispid::spellingSuggestions, "spellingSuggestions", VarType::String),
        method(dispid::scrollUp, "scrollUp"),
        method(dispid::scrollDown, "scrollDown"),
        method(dispid::cut, "cut"),
        method(dispid::paste, "paste"),
        method(dispid::copy, "copy"),
        method(dispid::del, "del"),
        method(dispid::invokeCharMap, "invokeCharMap", VarType::String, {{QStringLiteral("mode"), VarType::Int16}}),
        method(dispid::saveMapping, "saveMapping", VarType::Bool,
               {{QStringLiteral("filePathName"), VarType::String, true}}),
        method(dispid::loadMapping, "loadMapping", VarType::Bool,
               {{QStringLiteral("filePathName"), VarType::String, true}}),
        method(dispid::clear, "clear"),
        method(dispid::StripTrailingSpaces, "StripTrailingSpaces", VarType::Int32),
        method(comrt::dispid::refresh, "Refresh"),
    };
    return type;
}

TypeInfo eventInterface()
{
    TypeInfo type;
    type.kind = TypeInfo::DispInterface;
    type.id = lcdtextbox::ids::eventInterface;
    type.name = QStringLiteral("_DLcdtextboxEvents");
    type.helpString = QStringLiteral("Event interface for Lcdtextbox Control");
    type.members = {
        method(dispid::eventChange, "Change"),
        method(dispid::eventPaste, "paste"),
        method(dispid::eventTest, "test", VarType::Empty,
               {{QStringLiteral("a"), VarType::Int16},
                {QStringLiteral("b"), VarType::Int16},
                {QStringLiteral("c"), VarType::Int16}}),
        method(dispid::eventLineLimit, "lineLimit"),
        method(dispid::eventSuggestionsWanted, "suggestionsWanted", VarType::Empty,
               {{QStringLiteral("word"), VarType::String}}),
        method(dispid::eventAddWord, "addWord", VarType::Empty, {{QStringLiteral("word"), VarType::String}}),
        method(dispid::eventIgnoreWord, "ignoreWord", VarType::Empty, {{QStringLiteral("word"), VarType::String}}),
    };
    return type;
}

TypeInfo controlClass()
{
    TypeInfo type;
    type.kind = TypeInfo::CoClass;
    type.id = lcdtextbox::ids::controlClass;
    type.name = QStringLiteral("Lcdtextbox");
    type.helpString = QStringLiteral("Lcdtextbox Control");
    type.flags = TypeInfo::Creatable | TypeInfo::Control;
    type.defaultInterface = lcdtextbox::ids::dispatchInterface;
    type.defaultSource = lcdtextbox::ids::eventInterface;
    return type;
}

comrt::TypeLibrary build()
{
    comrt::TypeLibrary library;
    library.id = lcdtextbox::ids::typeLibrary;
    library.name = QStringLiteral("LCDTEXTBOXLib");
    library.majorVersion = 1;
    library.minorVersion = 0;
    library.locale = 0x0409;
    library.helpString = QStringLiteral("lcdtextbox ActiveX Control module");
    library.helpFile = QStringLiteral("lcdtextbox.hlp");
    library.types = {dispatchInterface(), eventInterface(), controlClass()};
    return library;
}

} // namespace

const comrt::TypeLibrary& LcdtextboxTypeLib::library()
{
    static const comrt::TypeLibrary described = build();
    return described;
}
