#include "documentloader.h"

#include "contenthandlerimpl.h"
#include "errorhandlerimpl.h"
#include "fixedfile.h"
#include "saxreader.h"

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

// True when the document was read whole and well-formed.
bool parseFile(const std::string& path, ContentHandlerImpl& handler, ErrorHandlerImpl& errors)
{
    std::string bytes;
    if (!readWhole(path, bytes, errors)) return false;
    SaxReader reader(handler, errors);
    return reader.parse(bytes);
}

} // namespace

LoadResult DocumentLoader::loadUserDocument(TheApp& app, const std::string& path, std::int16_t mNum)
{
    BusyPointer busy(app.ui());
    if (!isFile(path)) return LoadResult::Missing;
    ContentHandlerImpl handler;
    handler.setAppRef(app, false);
    handler.singleMenu(mNum);
    ErrorHandlerImpl errors;
    if (parseFile(path, handler, errors)) return LoadResult::Whole;
    app.ui().message("XML Parse Error " + errors.report(path), "ERROR", MessageIcon::Critical);
    return LoadResult::Partial;
}

bool DocumentLoader::loadConfiguration(TheApp& app, const std::string& fileName)
{
    BusyPointer busy(app.ui());
    const std::string path = FixedFile::path(app.appFolder(), fileName);
    if (!isFile(path)) {
        app.ui().message("Cannot find configuration file - kpdconf.kpx in my folder - Cannot run", "CRITICAL ERROR",
                         MessageIcon::Critical);
        app.ui().setCannotRun(true);
        return false;
    }
    ContentHandlerImpl handler;
    handler.setAppRef(app, true);
    ErrorHandlerImpl errors;
    if (parseFile(path, handler, errors)) return true;
    // A drive cut short would be edited and saved without its missing menus, and every
    // step after this one would fail on what is missing: the parse error is the last word.
    app.ui().message("Parse Error " + errors.report(path), "ERROR", MessageIcon::Critical);
    app.ui().setCannotRun(true);
    return false;
}

} // namespace kpd
