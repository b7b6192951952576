#pragma once

#include "build/sizereport.h"

#include <QWidget>

#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;
class SizeBarChart;

namespace kpd {
class TheApp;
class UserInterface;
} // namespace kpd

// "Size report": where the keypad image's bytes go, by menu, parameter, stored string and
// dictionary word, as sortable tables with a filter and a bar of the image by menu. It
// shows the reports it is given and can compare them with another keypad file. A double
// click on a row asks for that parameter's editor, or that menu's grid.
class SizeReportWindow : public QWidget {
    Q_OBJECT
public:
    enum Table { Menus, Parameters, Strings, Words, Changes };
    enum Role { MenuKeyRole = Qt::UserRole, ParaKeyRole };

    SizeReportWindow(kpd::UserInterface& ui, QString programFolder, QWidget* parent = nullptr);

    void setReport(std::shared_ptr<const kpd::SizeReport> report);
    QTableWidget* table(Table which) const;
    QTabWidget* tabs() const { return tabs_; }
    QLineEdit* filter() const { return filter_; }

public slots:
    // Reads the keypad file into a data root of its own and shows the change per menu and
    // parameter from it to the current set.
    void compareWith(const QString& file);
    void chooseComparison();
    void applyFilter(const QString& text);

signals:
    void openParameter(const std::string& menuKey, const std::string& paraKey);
    void openMenu(const std::string& menuKey);

private:
    void fill();
    void fillChanges();
    void activated(int row, int column);

    kpd::UserInterface& ui_;
    QString folder_;
    std::shared_ptr<const kpd::SizeReport> report_;
    std::shared_ptr<const kpd::SizeReport> compared_;
    QString comparedFile_;
    QLabel* summary_;
    QLineEdit* filter_;
    SizeBarChart* chart_;
    QTabWidget* tabs_;
    QTableWidget* tables_[5];
};
