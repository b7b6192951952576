#include "translationreader.h"

#include "poreader.h"
#include "xliffreader.h"

#include "fileio/boundedfile.h"
#include "fileio/filereaderror.h"
#include "model/modelerror.h"

namespace kpd {

const char* formatName(ExchangeFormat format)
{
    switch (format) {
    case ExchangeFormat::Xliff12: return "xliff12";
    case ExchangeFormat::Xliff21: return "xliff21";
    case ExchangeFormat::Po: return "po";
    }
    return "";
}

TranslationFile TranslationReader::read(const std::string& path)
{
    std::string bytes;
    try {
        bytes = BoundedFile::read(path, kMaxFile, "the largest translation file");
    } catch (const FileReadError& error) {
        throw FileReadError(path + ": " + error.what());
    }
    return parse(bytes, path);
}

TranslationFile TranslationReader::parse(std::string_view bytes, const std::string& name)
{
    std::size_t start = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    start = bytes.find_first_not_of(" \t\r\n", start);
    if (start != std::string_view::npos && bytes[start] == '<') return XliffReader::read(bytes, name);
    // A PO file holds at least one msgid; comments may come first.
    if (start != std::string_view::npos && bytes.find("msgid", start) != std::string_view::npos)
        return PoReader::read(bytes, name);
    throw ModelError(ModelError::TypeMismatch, name + ":1: neither XLIFF nor a PO file");
}

} // namespace kpd
