// texts_qtbench [--benchmark options], run from out/bench (drivegen is found from there)
// The texts list over the largest synthetic drive (8,192 parameters, made by drivegen):
// opening it (rows, a check of every text, the first fill of the view) and filtering it
// from the search box and the status filter.
#include "model/theapp.h"
#include "shell/drivedocument.h"
#include "shell/frame/controlregistration.h"
#include "shell/frame/mainwindow.h"
#include "shell/panels/textslistmodel.h"
#include "shell/panels/textspanel.h"
#include "shell/qtdialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = fs::path(__FILE__).parent_path().parent_path();

const QString& largestSet()
{
    static const QString folder = [] {
        const fs::path out = fs::temp_directory_path() / "kpd-bench-texts";
        const std::string command = "python3 '" + (kSourceDir / "tools/drivegen/drivegen.py").string() +
                                    "' --seed 42 --parameters 8192 --mode-variation 0 --languages 2 --out '" +
                                    out.string() + "' > /dev/null";
        if (std::system(command.c_str()) != 0) throw std::runtime_error("drivegen failed");
        return QString::fromStdString(out.string());
    }();
    return folder;
}

struct Editor {
    QtDialogs dialogs;
    MainWindow window{dialogs, largestSet()};
    Editor()
    {
        if (!window.load()) throw std::runtime_error("the generated drive does not load");
        window.show();
        QCoreApplication::processEvents();
    }
    ~Editor() { window.document().app()->setAppClean(); }
};

void BM_TextsListOpens(benchmark::State& state)
{
    Editor editor;
    std::size_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto* panel = new TextsPanel(editor.window.document(), &editor.window);
        state.ResumeTiming();
        panel->show();
        QCoreApplication::processEvents();
        rows = panel->model()->order().size();
        state.PauseTiming();
        delete panel;
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_TextsListOpens)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TextsListFilters(benchmark::State& state)
{
    Editor editor;
    auto* panel = new TextsPanel(editor.window.document(), &editor.window);
    panel->show();
    QCoreApplication::processEvents();
    QLineEdit* search = panel->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    QComboBox* status = panel->findChild<QComboBox*>(QStringLiteral("cboStatus"));
    const QStringList words{QStringLiteral("speed"), QStringLiteral("limit"), QStringLiteral("zz"), QString()};
    int k = 0;
    for (auto _ : state) {
        search->setText(words[k % words.size()]);
        status->setCurrentIndex(k % status->count());
        QCoreApplication::processEvents();
        ++k;
    }
    state.counters["shown"] = panel->model()->rowCount();
    delete panel;
}
BENCHMARK(BM_TextsListFilters)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir registry;
    qputenv("KPD_COMRT_REGISTRY", registry.filePath(QStringLiteral("registry.json")).toLocal8Bit());
    QApplication app(argc, argv);
    ControlRegistration::ensure(QCoreApplication::applicationDirPath());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
