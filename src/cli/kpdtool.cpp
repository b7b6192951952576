#include "kpdtool.h"

#include "checkcommand.h"
#include "diffcommand.h"
#include "glossarycommand.h"
#include "imageprinter.h"
#include "reportcommand.h"
#include "translationcommands.h"

#include "build/buildmessages.h"
#include "build/compress.h"
#include "build/imagedecoder.h"
#include "build/imagefilereader.h"
#include "build/sizeanalysis.h"
#include "compare/comparedfile.h"
#include "fileio/boundedfile.h"
#include "fileio/filereaderror.h"
#include "fileio/safefile.h"
#include "model/numbertext.h"
#include "model/theapp.h"
#include "platform/hugepageheap.h"
#include "xmlfiles/drivefilenames.h"
#include "xmlfiles/driveloader.h"
#include "xmlfiles/textexport.h"

#include "kpdversion.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <ostream>
#include <sstream>

namespace kpd {

namespace {

const std::vector<std::string> kLanguages{"english", "custom", "french", "german", "spanish", "italian"};

std::string joinPath(const std::string& folder, const std::string& name)
{
    return (std::filesystem::path(folder) / name).string();
}

} // namespace

struct KpdTool::Arguments {
    std::string command;
    std::vector<std::string> inputs;
    std::string folder;
    std::string hex, bin, asmDir, segments, image, options, compare;
    std::string lang = "english";
    std::string kinds, failOn;
    std::string language;
    std::string base;
    std::string format, source, target = "und", only, output;
    bool force = false;
    bool font = false;
    bool json = false;
    bool help = false;
    bool version = false;
};

KpdTool::KpdTool(std::ostream& out, std::ostream& err, std::string programFolder)
    : out_(out), err_(err), programFolder_(std::move(programFolder)), ui_(err)
{
}

KpdTool::~KpdTool() = default;

TheApp& KpdTool::newApp(const std::string& folder)
{
    app_ = std::make_unique<TheApp>(ui_, folder);
    return *app_;
}

std::string KpdTool::usage()
{
    return "usage: kpdtool [--folder DIR] COMMAND ...\n"
           "  check-size FILE.kpd        report the size of the string database image\n"
           "  build FILE.kpd [--hex OUT] [--bin OUT] [--asm DIR [--lang NAME]] [--segments DIR] [--image OUT]\n"
           "                             build the image once and write the chosen files; --image\n"
           "                             (the raw image) is written whatever its size, the others\n"
           "                             only when it fits the keypad. NAME is english (default),\n"
           "                             custom, french, german, spanish or italian; the assembler\n"
           "                             file is DIR/NAME_stringdb.asm\n"
           "  export FILE.kpd OUT --options MASK [--force]\n"
           "                             write the text export with the option mask (0-65535);\n"
           "                             an existing OUT is replaced only with --force\n"
           "  check FILE.kpd [--json] [--kinds LIST] [--fail-on LIST] [--language LL_CC]\n"
           "                             list the problems of the texts; LIST is \"all\" or kinds joined\n"
           "                             by commas: empty, unchanged, overflow, no-glyph, trailing-space,\n"
           "                             mode-mismatch, near-duplicate, glossary, inconsistent,\n"
           "                             ambiguous, source-headroom, spelling. --kinds defaults to all\n"
           "                             but unchanged, source-headroom and spelling, --fail-on to\n"
           "                             overflow,no-glyph,glossary,ambiguous; exit status 1 when a\n"
           "                             problem of a --fail-on kind was found. The glossary is the drive\n"
           "                             folder's glossary.tbx. Spelling uses the dictionary LL_CC of\n"
           "                             /usr/share/hunspell (else the one the drive folder's spelling.ini\n"
           "                             gives the custom set) and accepts the words of the drive folder's\n"
           "                             wordlist.dic and the glossary's forms in that language;\n"
           "                             corrections are looked up for the first 100 different misspelled\n"
           "                             words. LL_CC is also the custom set's language for the glossary\n"
           "  glossary import FILE [--force]\n"
           "                             make FILE (a .csv table or a .tbx term base) the drive folder's\n"
           "                             glossary.tbx; an existing glossary is replaced only with --force\n"
           "  glossary export OUT [--force]\n"
           "                             write the drive folder's glossary as OUT: a table when its name\n"
           "                             ends in .csv, else a term base\n"
           "  report FILE.kpd [--json] [--compare OLD.kpd]\n"
           "                             where the image's bytes go: menus, parameters, strings and\n"
           "                             dictionary words, as tables or JSON; --compare adds the\n"
           "                             change per menu against an earlier file\n"
           "  decode IMAGE               print the records and texts of a raw image, flashing file\n"
           "                             or Intel hex file: a regular file of at most " +
           BoundedFile::grouped(ImageFileReader::kMaxRawFile) + "\n                             bytes, or " +
           BoundedFile::grouped(ImageFileReader::kMaxHexFile) +
           " as Intel hex\n"
           "  diff A B [--base C] [--json] compare the texts, units and limits of two keypad data\n"
           "                             files (with C, their common base: conflicts first);\n"
           "                             exit status 0 equal, 1 different, 2 bad input\n"
           "  export-translation FILE.kpd --format xliff12|xliff21|po [--source LANG] [--target LANG]\n"
           "                             [--only empty|unchanged|changed-since BASE] [--font] -o OUT\n"
           "                             write the custom set's texts for translators, against the\n"
           "                             reference LANG (a language of the drive, default its first)\n"
           "                             with the keypad's limits; --target names the translation's\n"
           "                             language (default und); --only picks the empty texts, those\n"
           "                             still the reference's, or those changed since BASE.kpd;\n"
           "                             --font puts the keypad's font (keypad-lcd.ttf) beside OUT\n"
           "  import-translation FILE.kpd IN -o NEW.kpd [--json]\n"
           "                             read a translation (XLIFF 1.2, XLIFF 2.1 or PO, told apart\n"
           "                             by content) into FILE's custom set and write NEW.kpd with\n"
           "                             every text that fits; the rest are listed with reasons.\n"
           "                             Exit status 0 all imported, 1 some refused, 2 bad input\n"
           "--folder DIR takes the drive data (kpdconf.kpx, modeConstants.kpc, *.kpl) from DIR\n"
           "instead of the sample drive that came with the program. Messages go to standard error.\n"
           "Exit status: 0 success, 1 the image is too large for the keypad, 2 bad input.\n"
           "--help prints this text, --version the version. On a terminal, the build shows its\n"
           "progress on standard error.\n";
}

int KpdTool::run(const std::vector<std::string>& args)
{
    Arguments a;
    a.folder = programFolder_;
    const std::vector<std::pair<std::string, std::string Arguments::*>> valued{
        {"--folder", &Arguments::folder},  {"--hex", &Arguments::hex},         {"--bin", &Arguments::bin},
        {"--asm", &Arguments::asmDir},     {"--lang", &Arguments::lang},       {"--segments", &Arguments::segments},
        {"--image", &Arguments::image},    {"--options", &Arguments::options}, {"--kinds", &Arguments::kinds},
        {"--fail-on", &Arguments::failOn}, {"--compare", &Arguments::compare}, {"--base", &Arguments::base},
        {"--format", &Arguments::format},  {"--source", &Arguments::source},   {"--target", &Arguments::target},
        {"--only", &Arguments::only},      {"-o", &Arguments::output},
        {"--language", &Arguments::language}};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto option = std::find_if(valued.begin(), valued.end(), [&](const auto& v) { return v.first == arg; });
        if (option != valued.end()) {
            if (i + 1 >= args.size()) {
                err_ << "kpdtool: " << arg << " needs a value\n" << usage();
                return BadInput;
            }
            a.*(option->second) = args[++i];
            if (arg == "--only" && a.only == "changed-since" && i + 1 < args.size()) a.base = args[++i];
        } else if (arg == "--force") {
            a.force = true;
        } else if (arg == "--font") {
            a.font = true;
        } else if (arg == "--json") {
            a.json = true;
        } else if (arg == "--help" || arg == "-h") {
            a.help = true;
        } else if (arg == "--version") {
            a.version = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            err_ << "kpdtool: unknown option " << arg << "\n" << usage();
            return BadInput;
        } else if (a.command.empty()) {
            a.command = arg;
        } else {
            a.inputs.push_back(arg);
        }
    }
    if (a.help) {
        out_ << usage();
        return Success;
    }
    if (a.version) {
        out_ << "kpdtool " << kVersion << '\n';
        return Success;
    }
    const std::size_t wanted =
        a.command == "export" || a.command == "diff" || a.command == "glossary" || a.command == "import-translation"
            ? 2
            : 1;
    const bool known = a.command == "check-size" || a.command == "build" || a.command == "export" ||
                       a.command == "decode" || a.command == "check" || a.command == "report" || a.command == "diff" ||
                       a.command == "glossary" || a.command == "export-translation" ||
                       a.command == "import-translation";
    if (!known || a.inputs.size() != wanted) {
        err_ << (known ? "kpdtool: wrong number of files for " + a.command + "\n" : "kpdtool: no command given\n")
             << usage();
        return BadInput;
    }
    if (std::find(kLanguages.begin(), kLanguages.end(), a.lang) == kLanguages.end()) {
        err_ << "kpdtool: unknown language " << a.lang << "\n" << usage();
        return BadInput;
    }
    try {
        if (a.command == "check-size") return checkSize(a);
        if (a.command == "build") return build(a);
        if (a.command == "export") return exportText(a);
        if (a.command == "check") {
            CheckCommand command(out_, err_);
            if (!command.setLists(a.kinds, a.failOn)) return BadInput;
            command.setLanguage(a.language);
            TheApp& app = newApp(a.folder);
            return load(app, a.inputs[0]) ? command.run(app, a.json) : BadInput;
        }
        if (a.command == "report") return report(a);
        if (a.command == "export-translation" || a.command == "import-translation") return translation(a);
        if (a.command == "glossary")
            return GlossaryCommand(out_, err_, a.folder).run(a.inputs[0], a.inputs[1], a.force);
        if (a.command == "diff") return DiffCommand(ui_, out_, a.folder).run({a.inputs[0], a.inputs[1], a.base, a.json});
        return decode(a);
    } catch (const std::exception& e) {
        ui_.message(e.what(), "ERROR", MessageIcon::Critical, MessageButtons::Ok);
        return BadInput;
    }
}

bool KpdTool::load(TheApp& app, const std::string& file)
{
    if (!DriveFileNames::isKeypadFile(file)) {
        ui_.message(DriveFileNames::kUnknownFileType, "WARNING", MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    const int errorsBefore = ui_.errorCount();
    std::error_code sizeError;
    const std::uintmax_t fileSize = std::filesystem::file_size(file, sizeError);
    HugePageHeap::prepareForDrive(app.appFolder(), sizeError ? 0 : fileSize);
    DriveLoader loader(app);
    switch (loader.readConfiguration()) {
    case DriveLoader::Configuration::Read: break;
    case DriveLoader::Configuration::Missing:
        // The loader's message names no folder, and here the folder may come from the command line.
        ui_.message("Could not find the configuration file kpdconf.kpx in " + app.appFolder(), "ERROR",
                    MessageIcon::Critical, MessageButtons::Ok);
        return false;
    case DriveLoader::Configuration::Faulty: return false;
    }
    loader.loadConstants();
    loader.loadLanguages();
    return loader.loadFile(file) && ui_.errorCount() == errorsBefore;
}

int KpdTool::checkSize(const Arguments& a)
{
    TheApp& app = newApp(a.folder);
    if (!load(app, a.inputs[0])) return BadInput;
    Compress compress;
    compress.setData(app, app.hexBase());
    const CompressResult result = compress.compress();
    if (result == CompressResult::Stopped) return BadInput;
    ui_.message(checkSizeMessage(compress.getTotalBytes()), {}, MessageIcon::None, MessageButtons::Ok);
    return result == CompressResult::TooLarge ? TooLarge : Success;
}

int KpdTool::build(const Arguments& a)
{
    TheApp& app = newApp(a.folder);
    if (!load(app, a.inputs[0])) return BadInput;
    Compress compress;
    compress.setData(app, app.hexBase());
    const CompressResult result = compress.compress();
    if (result == CompressResult::Stopped) return BadInput;
    if (!a.image.empty()) {
        const auto& bytes = compress.image().bytes();
        SafeFile::write(a.image, std::string(bytes.begin(), bytes.end()));
    }
    if (result == CompressResult::TooLarge) {
        ui_.message(kTooLargeMessage, {}, MessageIcon::None, MessageButtons::Ok);
        return TooLarge;
    }
    if (!a.hex.empty()) {
        compress.CreateIntelHexData();
        compress.WriteFileHex(a.hex);
    }
    if (!a.bin.empty()) compress.WriteFileBin(a.bin);
    if (!a.asmDir.empty()) compress.WriteFileAsm(joinPath(a.asmDir, compress.CreateAssemblerData(a.lang) + ".asm"));
    if (!a.segments.empty()) compress.WriteFileSegs(joinPath(a.segments, ""));
    return Success;
}

int KpdTool::exportText(const Arguments& a)
{
    const Int32Result mask = readInt32(a.options);
    if (mask.status != NumberStatus::Ok || mask.value < 0 || mask.value > 65535) {
        err_ << "kpdtool: --options needs a mask from 0 to 65535\n";
        return BadInput;
    }
    TheApp& app = newApp(a.folder);
    if (!load(app, a.inputs[0])) return BadInput;
    ui_.setQuestionAnswer(a.force ? MessageAnswer::Yes : MessageAnswer::No);
    TextExport exporter;
    exporter.setData(app, app.hexBase());
    return exporter.exportText(a.inputs[1], static_cast<std::uint16_t>(mask.value)) ? Success : BadInput;
}

int KpdTool::translation(const Arguments& a)
{
    TranslationCommands command(out_, err_);
    ExchangeFormat format = ExchangeFormat::Po;
    TranslationExport::Options options;
    const bool exporting = a.command == "export-translation";
    const std::map<std::string, ExportSelection> selections{{"", ExportSelection::All},
                                                            {"empty", ExportSelection::Empty},
                                                            {"unchanged", ExportSelection::Unchanged},
                                                            {"changed-since", ExportSelection::ChangedSince}};
    const auto selection = selections.find(a.only);
    if (a.output.empty() ||
        (exporting && (!TranslationCommands::formatNamed(a.format, format) || selection == selections.end() ||
                       (selection->second == ExportSelection::ChangedSince && a.base.empty())))) {
        err_ << "kpdtool: " << a.command << " needs -o OUT"
             << (exporting ? ", --format xliff12|xliff21|po and --only empty|unchanged|changed-since BASE" : "") << "\n"
             << usage();
        return BadInput;
    }
    if (!exporting) {
        TheApp& app = newApp(a.folder);
        return load(app, a.inputs[0]) ? command.importTranslation(app, a.inputs[1], a.output, a.json) : BadInput;
    }
    std::unique_ptr<ComparedFile> base;
    if (!a.base.empty()) {
        LoadResult result;
        base = ComparedFile::load(ui_, a.folder, a.base, result);
        if (result != LoadResult::Whole) {
            if (result == LoadResult::Missing) err_ << "kpdtool: cannot read " << a.base << "\n";
            return BadInput;
        }
    }
    TheApp& app = newApp(a.folder);
    if (!load(app, a.inputs[0])) return BadInput;
    const SetSnapshot baseTexts = base ? base->snapshot() : SetSnapshot();
    options.referenceKey = a.source;
    options.targetLanguage = a.target;
    options.selection = selection->second;
    options.base = base ? &baseTexts : nullptr;
    options.original = std::filesystem::path(a.inputs[0]).filename().string();
    options.revisionDate = TranslationCommands::revisionDateNow();
    const std::string font =
        a.font ? (std::filesystem::path(programFolder_) / TranslationExport::kFontFile).string() : std::string();
    return command.exportTranslation(app, options, format, a.output, font);
}

int KpdTool::report(const Arguments& a)
{
    const auto analyse = [&](const std::string& file, SizeReport& report) {
        TheApp& app = newApp(a.folder);
        if (!load(app, file)) return false;
        report = SizeAnalysis::analyse(app);
        if (!report.built()) ui_.message(report.failure, "ERROR", MessageIcon::Critical, MessageButtons::Ok);
        return report.built();
    };
    SizeReport before;
    if (!a.compare.empty() && !analyse(a.compare, before)) return BadInput;
    SizeReport now;
    if (!analyse(a.inputs[0], now)) return BadInput;
    return ReportCommand::print(now, a.compare.empty() ? nullptr : &before, a.compare, a.json, out_);
}

int KpdTool::decode(const Arguments& a)
{
    const auto refuse = [&](const std::exception& e) {
        ui_.message(a.inputs[0] + ": " + e.what(), "ERROR", MessageIcon::Critical, MessageButtons::Ok);
        return BadInput;
    };
    try {
        ImagePrinter::print(ImageDecoder::decode(ImageFileReader::read(a.inputs[0])), out_);
    } catch (const FileReadError& e) {
        return refuse(e);
    } catch (const ImageFormatError& e) {
        return refuse(e);
    }
    return Success;
}

} // namespace kpd
