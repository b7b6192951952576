#include "kpdtool.h"

#include "checkcommand.h"
#include "diffcommand.h"
#include "imageprinter.h"
#include "reportcommand.h"

#include "build/buildmessages.h"
#include "build/compress.h"
#include "build/imagedecoder.h"
#include "build/imagefilereader.h"
#include "build/sizeanalysis.h"
#include "fileio/boundedfile.h"
#include "fileio/filereaderror.h"
#include "fileio/safefile.h"
#include "model/numbertext.h"
#include "model/theapp.h"
#include "platform/hugepageheap.h"
#include "xmlfiles/documentloader.h"
#include "xmlfiles/fixedfile.h"
#include "xmlfiles/textexport.h"

#include "kpdversion.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <sstream>

namespace kpd {

namespace {

const std::vector<std::string> kLanguages{"english", "custom", "french", "german", "spanish", "italian"};

// The editor's Open takes the name's last four characters from the first "." on.
bool hasKeypadFileExtension(std::string name)
{
    while (!name.empty() && name.back() == ' ') name.pop_back();
    std::string tail = name.size() > 4 ? name.substr(name.size() - 4) : name;
    while (!tail.empty() && tail[0] != '.') tail.erase(0, 1);
    return tail == ".kpd";
}

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
    bool force = false;
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
           "                             mode-mismatch, near-duplicate, spelling. --kinds defaults to all\n"
           "                             but unchanged and spelling, --fail-on to overflow,no-glyph; exit\n"
           "                             status 1 when a problem of a --fail-on kind was found. Spelling\n"
           "                             uses the dictionary LL_CC of /usr/share/hunspell (else the one\n"
           "                             the drive folder's spelling.ini gives the custom set) and accepts\n"
           "                             the words of the drive folder's wordlist.dic; corrections are\n"
           "                             looked up for the first 100 different misspelled words\n"
           "  report FILE.kpd [--json] [--compare OLD.kpd]\n"
           "                             where the image's bytes go: menus, parameters, strings and\n"
           "                             dictionary words, as tables or JSON; --compare adds the\n"
           "                             change per menu against an earlier file\n"
           "  decode IMAGE               print the records and texts of a raw image, flashing file\n"
           "                             or Intel hex file: a regular file of at most " +
           BoundedFile::grouped(ImageFileReader::kMaxRawFile) + "\n                             bytes, or " +
           BoundedFile::grouped(ImageFileReader::kMaxHexFile) + " as Intel hex\n"
           "  diff A B [--base C] [--json] compare the texts, units and limits of two keypad data\n"
           "                             files (with C, their common base: conflicts first);\n"
           "                             exit status 0 equal, 1 different, 2 bad input\n"
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
        {"--folder", &Arguments::folder},    {"--hex", &Arguments::hex},         {"--bin", &Arguments::bin},
        {"--asm", &Arguments::asmDir},       {"--lang", &Arguments::lang},       {"--segments", &Arguments::segments},
        {"--image", &Arguments::image},      {"--options", &Arguments::options}, {"--kinds", &Arguments::kinds},
        {"--fail-on", &Arguments::failOn},   {"--compare", &Arguments::compare}, {"--base", &Arguments::base},
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
        } else if (arg == "--force") {
            a.force = true;
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
    const std::size_t wanted = a.command == "export" || a.command == "diff" ? 2 : 1;
    const bool known = a.command == "check-size" || a.command == "build" || a.command == "export" ||
                       a.command == "decode" || a.command == "check" || a.command == "report" || a.command == "diff";
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
        if (a.command == "diff") return DiffCommand(ui_, out_, a.folder).run({a.inputs[0], a.inputs[1], a.base, a.json});
        return decode(a);
    } catch (const std::exception& e) {
        ui_.message(e.what(), "ERROR", MessageIcon::Critical, MessageButtons::Ok);
        return BadInput;
    }
}

bool KpdTool::load(TheApp& app, const std::string& file)
{
    if (!hasKeypadFileExtension(file)) {
        ui_.message("Unknown file type ", "WARNING", MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    UserInterface& ui = ui_;
    const int errorsBefore = ui_.errorCount();
    std::error_code sizeError;
    const std::uintmax_t fileSize = std::filesystem::file_size(file, sizeError);
    HugePageHeap::prepareForDrive(app.appFolder(), sizeError ? 0 : fileSize);
    if (!app.readConfiguration()) {
        // A configuration that does not parse has said so, naming the file; the loader's
        // message for a missing one names no folder.
        if (!std::filesystem::exists(FixedFile::path(app.appFolder(), DocumentLoader::kConfigurationFile)))
            ui_.message("Could not find the configuration file kpdconf.kpx in " + app.appFolder(), "ERROR",
                        MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    if (app.loadUserFile(FixedFile::path(app.appFolder(), "modeConstants.kpc"), -1)) {
        // A configuration without a first language has no set for the constants to fill.
        if (const stringData* first = app.stringDatas().find(app.getLangDBKey(0)))
            for (std::int16_t i = 1; i <= app.getLastLangIndex(); ++i)
                if (stringData* set = app.stringDatas().find(app.getLangDBKey(i))) set->copyMenus(*first, false);
    } else {
        ui.message("Could not find constants file, limits and defaults etc will not be available");
    }
    for (const stringData& set : app.stringDatas())
        if (!app.loadUserFile(FixedFile::path(app.appFolder(), set.dbKey() + ".kpl"), -1))
            ui.message("Could not find " + set.dbKey() + " reference file, this language selection will be empty");
    app.clearAll();
    if (!app.loadUserFile(file, -1)) {
        ui_.message("Could not find the file " + file, "ERROR", MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    return ui_.errorCount() == errorsBefore;
}

int KpdTool::checkSize(const Arguments& a)
{
    TheApp& app = newApp(a.folder);
    if (!load(app, a.inputs[0])) return BadInput;
    Compress compress;
    compress.setData(app, ui_.hexBase());
    if (compress.compress() == CompressResult::Stopped) return BadInput;
    ui_.message(checkSizeMessage(compress.getTotalBytes()), {}, MessageIcon::None, MessageButtons::Ok);
    return compress.getTotalBytes() > DatabaseImage::kKeypadLimit ? TooLarge : Success;
}

int KpdTool::build(const Arguments& a)
{
    TheApp& app = newApp(a.folder);
    if (!load(app, a.inputs[0])) return BadInput;
    Compress compress;
    compress.setData(app, ui_.hexBase());
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
    exporter.setData(app, ui_.hexBase());
    return exporter.exportText(a.inputs[1], static_cast<std::uint16_t>(mask.value)) ? Success : BadInput;
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
