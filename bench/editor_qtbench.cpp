// editor_qtbench [--benchmark options]
// Start-up of the editor (configuration, constants, every language, to the main window)
// and fillGrid of the largest menu in display mode 3, on the drive data folder named by
// KPD_BENCH_FOLDER (default: the sample drive beside this program).
#include "model/theapp.h"
#include "shell/drivedocument.h"
#include "shell/frame/mainwindow.h"
#include "shell/qtdialogs.h"
#include "views/menuview.h"

#include <QApplication>
#include <QDir>
#include <QTableWidget>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

QString benchFolder()
{
    const char* folder = std::getenv("KPD_BENCH_FOLDER");
    return folder ? QString::fromLocal8Bit(folder) : QCoreApplication::applicationDirPath();
}

void BM_StartUpToMainWindow(benchmark::State& state)
{
    QtDialogs dialogs;
    for (auto _ : state) {
        MainWindow window(dialogs, benchFolder());
        if (!window.load()) state.SkipWithError("no drive data");
        window.show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.document().app()->setAppClean();
        window.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToMainWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FillGridOfTheLargestMenuShowingBothSets(benchmark::State& state)
{
    QtDialogs dialogs;
    MainWindow window(dialogs, benchFolder());
    if (!window.load()) {
        state.SkipWithError("no drive data");
        return;
    }
    std::string largest;
    std::int32_t most = -1;
    for (const kpd::DrvMenu& menu : window.document().app()->getCustMenus()) {
        if (!menu.isMapped() && !menu.hidden() && menu.Parameters().Count() > most) {
            most = menu.Parameters().Count();
            largest = menu.menuKey();
        }
    }
    window.selectNode(window.findNode({MenuTree::Node::Kind::Menu, QString::fromStdString(largest)}));
    MenuView& view = window.menuWindows().Item(largest);
    view.togglePanel(true);
    for (auto _ : state) view.fillGrid();
    state.counters["parameters"] = most;
    state.counters["rows"] = view.grid()->rowCount();
    window.document().app()->setAppClean();
}
BENCHMARK(BM_FillGridOfTheLargestMenuShowingBothSets)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
