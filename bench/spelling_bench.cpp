// The spelling of a whole custom set after one edit, as the Problems panel runs it in the
// background: the snapshot of the set and the check. The dictionary stays loaded and knows the
// words it was asked before, as it does in the editor. The sample drive is read from beside
// the program; the largest set from the folder in KPD_LARGE_DRIVE, made by:
//   tools/drivegen/drivegen.py --out DIR --parameters 8192 --mode-variation 0 --languages 1
#include "checks/checkinput.h"
#include "checks/drivespelling.h"
#include "checks/textchecker.h"
#include "model/theapp.h"
#include "xmlfiles/fixedfile.h"

#include "silentuserinterface.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

using kpd::bench::SilentUserInterface;

std::unique_ptr<kpd::TheApp> loadDrive(SilentUserInterface& ui, bool largest)
{
    std::error_code error;
    std::string folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string();
    std::string file = "Custom.kpl";
    if (largest) {
        const char* large = std::getenv("KPD_LARGE_DRIVE");
        if (!large) return nullptr;
        folder = large;
        file = "custom.kpd";
    }
    auto app = std::make_unique<kpd::TheApp>(ui, folder);
    if (!app->readConfiguration() || !app->loadUserFile(kpd::FixedFile::path(folder, file), -1)) return nullptr;
    if (app->getRefKey().empty()) app->setRefKey(app->getLangDBKey(0));
    return app;
}

// One edit that brings a word the dictionary was not asked before.
void edit(kpd::TheApp& app, int count)
{
    for (kpd::DrvMenu& menu : app.getCustMenus()) {
        if (menu.isMapped()) continue;
        for (kpd::Parameter& parameter : menu.Parameters())
            for (kpd::ModeData& mode : parameter.modes()) {
                mode.setDesc("Edited speeed" + std::string(static_cast<std::size_t>(count % 26), 'x'));
                return;
            }
    }
}

void BM_SpellingAfterEdit(benchmark::State& state)
{
    SilentUserInterface ui;
    auto app = loadDrive(ui, state.range(0) != 0);
    if (!app) {
        state.SkipWithError("no drive data (see the header)");
        return;
    }
    kpd::TextChecker::Options options;
    options.kinds = {kpd::ProblemKind::Spelling};
    options.spelling = kpd::DriveSpelling::ofCustomSet(*app).checker;
    if (!options.spelling) {
        state.SkipWithError("no dictionary for the custom set");
        return;
    }
    int count = 0;
    std::size_t found = 0;
    for (auto _ : state) {
        edit(*app, ++count);
        found = kpd::TextChecker::check(kpd::CheckInput::fromApp(*app), options).size();
    }
    state.counters["problems"] = static_cast<double>(found);
}
BENCHMARK(BM_SpellingAfterEdit)->Arg(0)->Arg(1)->ArgName("largest")->Unit(benchmark::kMillisecond);

} // namespace
