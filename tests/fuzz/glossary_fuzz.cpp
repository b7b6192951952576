// Feeds bytes to both glossary readers, as `kpdtool glossary import` and the checks read a
// drive folder's glossary. Whatever reads must come back the same through its own writer.
#include "checks/glossary.h"
#include "fileio/filereaderror.h"
#include "xmlfiles/glossarycsv.h"
#include "xmlfiles/tbxfile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const kpd::Glossary glossary = kpd::TbxFile::parse(text);
        if (kpd::TbxFile::parse(kpd::TbxFile::text(glossary)).terms().size() != glossary.terms().size())
            __builtin_trap();
    } catch (const kpd::FileReadError&) {
    }
    try {
        kpd::GlossaryCsv::text(kpd::GlossaryCsv::parse(text));
    } catch (const kpd::FileReadError&) {
    }
    return 0;
}
