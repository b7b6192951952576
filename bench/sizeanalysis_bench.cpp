// The size analysis after one edit against a plain build of the same set, in one run.
// The sample drive is read from beside the program; the largest set from the folder in
// KPD_LARGE_DRIVE, made by:
//   tools/drivegen/drivegen.py --out DIR --parameters 8192 --mode-variation 0 --languages 1
#include "build/compress.h"
#include "build/sizeanalysis.h"
#include "model/theapp.h"
#include "xmlfiles/fixedfile.h"

#include "silentuserinterface.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

using kpd::bench::SilentUserInterface;

enum class Drive { Sample, Largest };

std::unique_ptr<kpd::TheApp> loadDrive(SilentUserInterface& ui, Drive drive)
{
    std::error_code error;
    std::string folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string();
    std::string file = "Custom.kpl";
    if (drive == Drive::Largest) {
        const char* large = std::getenv("KPD_LARGE_DRIVE");
        if (!large) return nullptr;
        folder = large;
        file = "custom.kpd";
    }
    auto app = std::make_unique<kpd::TheApp>(ui, folder);
    if (!app->readConfiguration() || !app->loadUserFile(kpd::FixedFile::path(folder, file), -1)) return nullptr;
    return app;
}

// One committed edit: the first description of the first parameter, alternating.
void edit(kpd::TheApp& app, bool odd)
{
    for (kpd::DrvMenu& menu : app.getCustMenus()) {
        if (menu.isMapped()) continue;
        for (kpd::Parameter& parameter : menu.Parameters())
            for (kpd::ModeData& mode : parameter.modes()) {
                mode.setDesc(odd ? "Edited once" : "Edited twice");
                return;
            }
    }
}

// Times `step` after one edit of the drive given by the benchmark's argument.
template <typename Step>
void afterEachEdit(benchmark::State& state, Step step)
{
    SilentUserInterface ui;
    auto app = loadDrive(ui, static_cast<Drive>(state.range(0)));
    if (!app) {
        state.SkipWithError("no drive data (see the header)");
        return;
    }
    bool odd = false;
    for (auto _ : state) {
        edit(*app, odd = !odd);
        step(*app);
    }
}

void BM_FullBuild(benchmark::State& state)
{
    afterEachEdit(state, [&state](kpd::TheApp& app) {
        kpd::Compress compress;
        compress.setData(app, 0);
        compress.compress();
        state.counters["image_bytes"] = compress.getTotalBytes();
    });
}
BENCHMARK(BM_FullBuild)->Arg(0)->Arg(1)->ArgName("largest")->Unit(benchmark::kMillisecond);

// What the editor does after an edit: the snapshot on the GUI thread, then the analysis.
void BM_AnalysisAfterEdit(benchmark::State& state)
{
    afterEachEdit(state, [&state](kpd::TheApp& app) {
        const kpd::SizeReport report = kpd::SizeAnalysis::analyse(kpd::SizeAnalysis::collect(app));
        state.counters["image_bytes"] = report.totalBytes;
    });
}
BENCHMARK(BM_AnalysisAfterEdit)->Arg(0)->Arg(1)->ArgName("largest")->Unit(benchmark::kMillisecond);

// The snapshot alone: the part that runs on the GUI thread.
void BM_SnapshotAfterEdit(benchmark::State& state)
{
    afterEachEdit(state, [](kpd::TheApp& app) { benchmark::DoNotOptimize(kpd::SizeAnalysis::collect(app)); });
}
BENCHMARK(BM_SnapshotAfterEdit)->Arg(0)->Arg(1)->ArgName("largest")->Unit(benchmark::kMillisecond);

} // namespace
