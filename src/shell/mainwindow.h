#pragma once

#include <QMainWindow>

// The editor's frame window. It opens on an empty frame until the menu tree, the
// command menus and the data root are wired in.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};
