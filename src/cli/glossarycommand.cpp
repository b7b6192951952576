#include "glossarycommand.h"

#include "checks/glossary.h"
#include "fileio/boundedfile.h"
#include "fileio/filereaderror.h"
#include "fileio/safefile.h"
#include "xmlfiles/fixedfile.h"
#include "xmlfiles/glossarycsv.h"
#include "xmlfiles/tbxfile.h"

#include <filesystem>
#include <ostream>

namespace kpd {

namespace {

// As for a term base: a glossary table is a few thousand rows at most.
constexpr std::size_t kMaxTableBytes = 32u << 20;

} // namespace

bool GlossaryCommand::isTable(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(Glossary::lowered(static_cast<unsigned char>(c)));
    return extension == ".csv";
}

Glossary GlossaryCommand::read(const std::string& path)
{
    if (!isTable(path)) return TbxFile::load(path);
    try {
        return GlossaryCsv::parse(BoundedFile::read(path, kMaxTableBytes, "the largest glossary"));
    } catch (const FileReadError& e) {
        throw FileReadError(path + ": " + e.what());
    }
}

void GlossaryCommand::write(const std::string& path, const Glossary& glossary)
{
    SafeFile::write(path, isTable(path) ? GlossaryCsv::text(glossary) : TbxFile::text(glossary));
}

int GlossaryCommand::run(const std::string& action, const std::string& file, bool force)
{
    if (action != "import" && action != "export") {
        err_ << "kpdtool: glossary takes import or export, not \"" << action << "\"\n";
        return BadInput;
    }
    const std::string drive = FixedFile::path(folder_, Glossary::kFileName);
    const bool importing = action == "import";
    const std::string target = importing ? drive : file;
    std::error_code absent;
    if (!force && std::filesystem::exists(target, absent)) {
        err_ << "kpdtool: " << target << " exists; --force replaces it\n";
        return BadInput;
    }
    const Glossary glossary = importing ? read(file) : TbxFile::load(drive);
    write(target, glossary);
    out_ << glossary.terms().size() << " terms written to " << target << '\n';
    return Done;
}

} // namespace kpd
