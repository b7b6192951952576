// editor-screenshot DATA_FOLDER OUT_FOLDER
// Starts the editor on a drive data folder, opens the first menu with both string sets
// shown, and writes mainwindow.png and menugrid.png into OUT_FOLDER.
#include "model/theapp.h"
#include "shell/drivedocument.h"
#include "shell/frame/mainwindow.h"
#include "shell/qtdialogs.h"
#include "views/menuview.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral("1.5.0"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: editor-screenshot DATA_FOLDER OUT_FOLDER\n");
        return 2;
    }
    QtDialogs dialogs;
    MainWindow window(dialogs, QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    if (!window.load()) return 1;
    window.resize(1100, 640);
    window.show();

    QTreeWidgetItem* root = window.tree()->topLevelItem(0);
    if (root && root->childCount() > 1) {
        window.tree()->setCurrentItem(root->child(1));
        window.selectNode(root->child(1));
        root->child(1)->setExpanded(true);
    }
    for (MenuView& view : window.menuWindows()) {
        view.togglePanel(true);
        view.parentWidget()->resize(880, 520);
    }
    QEventLoop settle;
    QTimer::singleShot(200, &settle, &QEventLoop::quit);
    settle.exec();

    const QDir out(QString::fromLocal8Bit(argv[2]));
    bool ok = window.grab().save(out.filePath(QStringLiteral("mainwindow.png")));
    for (MenuView& view : window.menuWindows())
        ok = view.parentWidget()->grab().save(out.filePath(QStringLiteral("menugrid.png"))) && ok;
    window.document().app()->setAppClean();
    window.close();
    return ok ? 0 : 1;
}
