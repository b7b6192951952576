// Keypad data files: the loader against bare expat on the same documents, the start-up
// load of the sample drive, and saving the largest synthetic set.
#include "model/theapp.h"
#include "xmlfiles/contenthandlerimpl.h"
#include "xmlfiles/errorhandlerimpl.h"
#include "xmlfiles/saxreader.h"

#include "silentuserinterface.h"

#include <benchmark/benchmark.h>
#include <expat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = fs::path(__FILE__).parent_path().parent_path();

using kpd::bench::SilentUserInterface;

std::string readWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The largest synthetic set the model holds, made once per run.
const fs::path& largestSet()
{
    static const fs::path folder = [] {
        const fs::path out = fs::temp_directory_path() / "kpd-bench-largest";
        const std::string command = "python3 '" + (kSourceDir / "tools/drivegen/drivegen.py").string() +
                                    "' --seed 42 --parameters 8192 --languages 1 --out '" + out.string() + "'";
        if (std::system(command.c_str()) != 0) throw std::runtime_error("drivegen failed");
        return out;
    }();
    return folder;
}

void XMLCALL noStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL noEnd(void*, const XML_Char*) {}
void XMLCALL noText(void*, const XML_Char*, int) {}

void BM_BareExpat(benchmark::State& state)
{
    const std::string doc = readWhole(largestSet() / "English.kpl");
    for (auto _ : state) {
        XML_Parser parser = XML_ParserCreate(nullptr);
        XML_SetElementHandler(parser, noStart, noEnd);
        XML_SetCharacterDataHandler(parser, noText);
        if (XML_Parse(parser, doc.data(), static_cast<int>(doc.size()), XML_TRUE) != XML_STATUS_OK)
            state.SkipWithError("parse failed");
        XML_ParserFree(parser);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(doc.size()));
}
BENCHMARK(BM_BareExpat)->Unit(benchmark::kMillisecond);

void BM_Loader(benchmark::State& state)
{
    SilentUserInterface ui;
    kpd::TheApp app(ui, largestSet().string());
    app.readConfiguration();
    const std::string doc = readWhole(largestSet() / "English.kpl");
    for (auto _ : state) {
        kpd::ContentHandlerImpl handler;
        handler.setAppRef(app, false);
        kpd::ErrorHandlerImpl errors;
        if (!kpd::SaxReader(handler, errors).parse(doc)) state.SkipWithError("parse failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(doc.size()));
}
BENCHMARK(BM_Loader)->Unit(benchmark::kMillisecond);

void BM_SampleDriveStartup(benchmark::State& state)
{
    const std::string folder = (kSourceDir / "data").string();
    for (auto _ : state) {
        SilentUserInterface ui;
        kpd::TheApp app(ui, folder);
        app.readConfiguration();
        app.loadUserFile(folder + "/modeConstants.kpc");
        kpd::stringData& first = app.stringDatas().Item(app.getLangDBKey(0));
        for (std::int16_t i = 1; i <= app.getLastLangIndex(); ++i)
            app.stringDatas().Item(app.getLangDBKey(i)).copyMenus(first, false);
        for (const kpd::stringData& set : app.stringDatas()) app.loadUserFile(folder + "/" + set.dbKey() + ".kpl");
        app.setAppClean();
        benchmark::DoNotOptimize(app.isAppDirty());
    }
}
BENCHMARK(BM_SampleDriveStartup)->Unit(benchmark::kMillisecond);

void BM_SaveLargestSet(benchmark::State& state)
{
    SilentUserInterface ui;
    kpd::TheApp app(ui, largestSet().string());
    app.readConfiguration();
    app.loadUserFile((largestSet() / "custom.kpd").string());
    const std::string target = (largestSet() / "saved.kpd").string();
    for (auto _ : state) {
        if (!app.xmlSave(target)) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fs::file_size(target)));
}
BENCHMARK(BM_SaveLargestSet)->Unit(benchmark::kMillisecond);

} // namespace
