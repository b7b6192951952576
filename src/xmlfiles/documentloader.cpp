#include "documentloader.h"

#include "contenthandlerimpl.h"
#include "documentencoding.h"
#include "errorhandlerimpl.h"
#include "fixedfile.h"
#include "saxreader.h"
#include "textcodec.h"

#include "model/theapp.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace kpd {

namespace {

bool isFile(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// The whole file in memory; false with the system's error when it cannot be read.
bool readWhole(const std::string& path, std::string& bytes, ErrorHandlerImpl& errors)
{
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        const int error = errno ? errno : EIO;
        errors.fatalError(error, std::generic_category().message(error), 0, 0);
        return false;
    }
    // One read of the size the file has now: growing the string block by block costs several
    // times the read itself on the largest drives. A file that grows meanwhile is read on.
    struct stat info {};
    const bool sized = fstat(fileno(file), &info) == 0 && info.st_size > 0;
    const std::size_t size = sized ? static_cast<std::size_t>(info.st_size) : 0;
    bytes.resize(size);
    bytes.resize(std::fread(bytes.data(), 1, size, file));
    char block[65536];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) bytes.append(block, got);
    const bool failed = std::ferror(file) != 0;
    const int error = errno ? errno : EIO;
    std::fclose(file);
    if (failed) errors.fatalError(error, std::generic_category().message(error), 0, 0);
    return !failed;
}

// The path is in the file system's UTF-8; messages are model text.
std::string shown(const std::string& path)
{
    return TextCodec::utf8ToLatin1(path);
}

std::string hexByte(unsigned char byte)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[byte >> 4] + digits[byte & 0xF];
}

// Language and constants files each fill a whole set; only a keypad data file may be the
// single menu that Save Menu writes.
bool holdsWholeSet(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    return extension == ".kpl" || extension == ".kpc";
}

} // namespace

LoadResult DocumentLoader::loadUserDocument(TheApp& app, const std::string& path, std::int16_t mNum, LoadMode mode)
{
    BusyPointer busy(app.ui());
    if (!isFile(path)) return LoadResult::Missing;
    ErrorHandlerImpl errors;
    std::string bytes;
    if (!readWhole(path, bytes, errors)) {
        app.ui().message("XML Parse Error " + errors.report(path), "ERROR", MessageIcon::Critical);
        return LoadResult::Partial;
    }
    // Either reading of a file that mixes encodings changes some of its texts.
    const DocumentEncoding encoding = DocumentEncoding::of(bytes);
    if (encoding.kind() == DocumentEncoding::Kind::Mixed) {
        app.ui().message(shown(path) + " mixes UTF-8 with another encoding: the byte " + hexByte(encoding.byte()) +
                             " at line " + std::to_string(encoding.line()) + ", column " +
                             std::to_string(encoding.column()) +
                             " is not UTF-8. Nothing was loaded; save the file as UTF-8 and load it again.",
                         "ERROR", MessageIcon::Critical);
        return LoadResult::Refused;
    }
    ContentHandlerImpl handler;
    handler.setAppRef(app, false);
    handler.singleMenu(mNum);
    handler.acceptFragments(!holdsWholeSet(path));
    if (mode == LoadMode::ReplaceCustom) handler.clearCustomSet();
    const bool parsed = SaxReader(handler, errors).parse(bytes, encoding);
    if (handler.refused()) {
        app.ui().message(shown(path) + " is not a keypad data file: " + handler.refusal() + ". Nothing was loaded.",
                         "ERROR", MessageIcon::Critical);
        return LoadResult::Refused;
    }
    // Of a file that does not even parse, its encoding is the least of the news.
    if (!parsed)
        app.ui().message("XML Parse Error " + errors.report(path), "ERROR", MessageIcon::Critical);
    else if (encoding.kind() == DocumentEncoding::Kind::Windows1252)
        handler.notes().readAsWindows1252();
    handler.notes().recordLost(app.lostCharacters());
    const std::string remarks = handler.notes().message(shown(path));
    if (!remarks.empty()) app.ui().message(remarks, "WARNING", MessageIcon::Exclamation);
    return parsed ? LoadResult::Whole : LoadResult::Partial;
}

bool DocumentLoader::loadConfiguration(TheApp& app, const std::string& fileName)
{
    BusyPointer busy(app.ui());
    const std::string path = FixedFile::path(app.appFolder(), fileName);
    if (!isFile(path)) {
        app.ui().message("Cannot find configuration file - kpdconf.kpx in my folder - Cannot run", "CRITICAL ERROR",
                         MessageIcon::Critical);
        app.setCannotRun(true);
        return false;
    }
    ContentHandlerImpl handler;
    handler.setAppRef(app, true);
    handler.setDocumentName(shown(path));
    ErrorHandlerImpl errors;
    std::string bytes;
    const bool parsed = readWhole(path, bytes, errors) && SaxReader(handler, errors).parse(bytes);
    if (parsed && !handler.refused()) return true;
    // A drive cut short would be edited and saved without its missing menus, and every
    // step after this one would fail on what is missing: the parse error is the last word.
    if (handler.refused())
        app.ui().message("Configuration error in " + shown(path) + ", " + handler.refusal(), "ERROR",
                         MessageIcon::Critical);
    else
        app.ui().message("Parse Error " + errors.report(path), "ERROR", MessageIcon::Critical);
    app.setCannotRun(true);
    return false;
}

} // namespace kpd
