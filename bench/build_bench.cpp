#include "build/compress.h"
#include "build/countsort.h"
#include "model/theapp.h"
#include "xmlfiles/fixedfile.h"

#include "silentuserinterface.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>

namespace {

using kpd::bench::SilentUserInterface;

// Drive texts over a fixed vocabulary of 3,000 words drawn with word-like (Zipf)
// frequencies: two-line descriptions and one-line help texts, one of each per
// parameter, 100 parameters per menu.
void fillSynthetic(kpd::TheApp& app, int parameters)
{
    std::mt19937 random(42);
    const char* syllables[] = {"mo", "tor", "spe", "ed", "ra", "mp", "cur", "rent", "lim", "it", "vol", "ta",
                               "ge", "fre", "qu", "en", "cy", "ther", "mal", "set"};
    std::vector<std::string> vocabulary;
    for (int w = 0; vocabulary.size() < 3000; ++w) {
        std::string word;
        for (int s = 0, n = 2 + w % 3; s < n; ++s) word += syllables[random() % 20];
        if (std::find(vocabulary.begin(), vocabulary.end(), word) == vocabulary.end()) vocabulary.push_back(word);
    }
    std::vector<double> cumulative;
    double total = 0;
    for (std::size_t r = 1; r <= vocabulary.size(); ++r) cumulative.push_back(total += 1.0 / static_cast<double>(r));
    const auto word = [&] {
        const double x = std::uniform_real_distribution<double>(0, total)(random);
        return vocabulary[static_cast<std::size_t>(std::lower_bound(cumulative.begin(), cumulative.end(), x) -
                                                   cumulative.begin())];
    };
    const auto lines = [&](int count) {
        std::string text;
        for (int l = 0; l < count; ++l) text += (l ? "~M" : "") + word() + " " + word() + " " + word();
        return text;
    };

    app.stringDatas().Add("cust");
    app.setCustKey("cust");
    const std::vector<std::string> modes{"Open loop", "Closed loop", "Servo", "Regen"};
    for (int m = 0; m < 4; ++m) app.modeDefMap().Add("mode" + std::to_string(m + 2), modes[static_cast<std::size_t>(m)]);
    kpd::DrvMenus& menus = app.stringDatas().Item("cust").DrvMenus();
    for (int p = 0; p < parameters; ++p) {
        const std::string menuKey = "m" + std::to_string(p / 100);
        kpd::DrvMenu& menu = menus.find(menuKey) ? menus.Item(menuKey) : menus.Add(menuKey);
        kpd::Parameter& param = *menu.Parameters().Add("p" + std::to_string(p % 100));
        param.createModes(modes);
        const std::string desc = lines(2);
        const std::string help = lines(1);
        for (kpd::ModeData& mode : param.modes()) {
            mode.setDesc(desc);
            mode.setHelp(help);
            mode.setUnit(static_cast<std::int16_t>(p % 5));
        }
    }
}

void BM_BuildSynthetic(benchmark::State& state)
{
    SilentUserInterface ui;
    kpd::TheApp app(ui, ".");
    fillSynthetic(app, static_cast<int>(state.range(0)));
    std::int32_t bytes = 0;
    for (auto _ : state) {
        kpd::Compress compress;
        compress.setData(app, 0);
        if (compress.compress() == kpd::CompressResult::Stopped) {
            state.SkipWithError(compress.failure().c_str());
            break;
        }
        bytes = compress.getTotalBytes();
    }
    state.counters["image_bytes"] = bytes;
}
BENCHMARK(BM_BuildSynthetic)->Arg(1024)->Arg(2048)->Arg(4096)->Arg(8192)->Unit(benchmark::kMillisecond);

// The sample drive's English reference set, built as the custom set would be.
void BM_BuildSampleEnglish(benchmark::State& state)
{
    SilentUserInterface ui;
    std::error_code error;
    const auto folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string();
    kpd::TheApp app(ui, folder);
    if (!app.readConfiguration() ||
        !app.loadUserFile(kpd::FixedFile::path(folder, app.getLangDBKey(0) + ".kpl"), -1)) {
        state.SkipWithError("no sample drive data beside the benchmark");
        return;
    }
    app.setCustKey(app.getLangDBKey(0));
    std::int32_t bytes = 0;
    for (auto _ : state) {
        kpd::Compress compress;
        compress.setData(app, 0);
        compress.compress();
        bytes = compress.getTotalBytes();
    }
    state.counters["image_bytes"] = bytes;
}
BENCHMARK(BM_BuildSampleEnglish)->Unit(benchmark::kMillisecond);

// The dictionary ranking alone on word-like counts.
void BM_BubbleOrder(benchmark::State& state)
{
    std::mt19937 random(3);
    std::vector<std::int32_t> counts(static_cast<std::size_t>(state.range(0)));
    for (auto& c : counts) c = static_cast<std::int32_t>(1 + 2000 / (1 + random() % counts.size()));
    for (auto _ : state) benchmark::DoNotOptimize(kpd::bubbleOrder(counts));
}
BENCHMARK(BM_BubbleOrder)->Arg(2000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
