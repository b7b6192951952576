#include "exportwindow.h"

#include "model/userinterface.h"
#include "modeltext/modeltext.h"
#include "shell/folderpicker.h"
#include "xmlfiles/textexport.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// 15 twips are one pixel at 96 dots per inch.
constexpr int kExportWidth = 5580 / 15;
constexpr int kExportHeight = 7185 / 15;

struct Box {
    std::uint16_t option;
    const char* name;
    const char* caption;
};

QGroupBox* frame(QWidget* parent, const QString& title, std::initializer_list<Box> boxes,
                 QList<QPair<std::uint16_t, QCheckBox*>>& made)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(0);
    for (const Box& box : boxes) {
        auto* check = new QCheckBox(QString::fromLatin1(box.caption), group);
        check->setObjectName(QString::fromLatin1(box.name));
        layout->addWidget(check);
        made.append({box.option, check});
    }
    return group;
}

} // namespace

ExportWindow::ExportWindow(kpd::UserInterface& ui, const QString& startFolder, QWidget* parent)
    : QDialog(parent),
      ui_(ui),
      picker_(new FolderPicker(ui, startFolder, this)),
      UserFileName_(new QLineEdit(QStringLiteral("AFileName"), this)),
      btnSave_(new QPushButton(QStringLiteral("Save"), this)),
      CancelButton_(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("dlgExport"));
    setWindowTitle(QStringLiteral("Export text"));
    UserFileName_->setObjectName(QStringLiteral("UserFileName"));
    btnSave_->setObjectName(QStringLiteral("btnSave"));
    CancelButton_->setObjectName(QStringLiteral("CancelButton"));

    using namespace kpd;
    auto* grid = new QGridLayout;
    grid->addWidget(frame(this, QStringLiteral("Export type"),
                          {{kExportComma, "chkCDF", "On = Comma delineated; Off = space delineated"},
                           {kExportLinePerMode, "chklinePerMode", "On = 1 line per mode; Off = 1 line per param"}},
                          boxes_),
                    0, 0, 1, 2);
    grid->addWidget(frame(this, QStringLiteral("Parameter data"),
                          {{kExportParamName, "chkPrtPar", "Parameter name"},
                           {kExportMenuNumber, "chkPrtMenu", "Menu number"},
                           {kExportParamNumber, "chkPrtParNum", "Parameter number"},
                           {kExportQuotes, "chkQuotes", "Strings in quotes"}},
                          boxes_),
                    1, 0);
    grid->addWidget(frame(this, QStringLiteral("Select modes"),
                          {{kExportOpenLoop, "chkOpenLoop", "Open loop"},
                           {kExportClosedLoop, "chkClosedLoop", "Closed loop"},
                           {kExportServo, "chkServo", "Servo"},
                           {kExportRegen, "chkRegen", "Regen"}},
                          boxes_),
                    1, 1);
    grid->addWidget(frame(this, QStringLiteral("Mode data"),
                          {{kExportModeName, "chkPrtModeName", "Mode Name"},
                           {kExportDescription, "chkPrtDesc", "Description string"},
                           {kExportHelp, "chkPrtHelp", "Help string"},
                           {kExportUnits, "chkPrtUnits", "Units"}},
                          boxes_),
                    2, 0);

    auto* location = new QGroupBox(QStringLiteral("Export file location and name"), this);
    auto* locationLayout = new QVBoxLayout(location);
    locationLayout->addWidget(picker_);
    locationLayout->addWidget(new QLabel(QStringLiteral("File name:"), location));
    locationLayout->addWidget(UserFileName_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnSave_);
    buttons->addWidget(CancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(location, 1);
    layout->addLayout(buttons);

    // The traditional size unless the font needs more: squeezed below its layout's
    // minimum, the frames draw their check boxes over one another.
    setFixedSize(QSize(kExportWidth, kExportHeight).expandedTo(layout->minimumSize()));

    connect(btnSave_, &QPushButton::clicked, this, &ExportWindow::save);
    connect(CancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

QCheckBox* ExportWindow::optionBox(std::uint16_t option) const
{
    for (const auto& [bit, box] : boxes_)
        if (bit == option) return box;
    return nullptr;
}

QString ExportWindow::folder() const
{
    return picker_->folder();
}

QString ExportWindow::fileName() const
{
    return UserFileName_->text();
}

QString ExportWindow::path() const
{
    return QDir(folder()).filePath(fileName());
}

void ExportWindow::save()
{
    std::uint16_t options = 0;
    for (const auto& [bit, box] : boxes_)
        if (box->isChecked()) options |= bit;
    const std::optional<std::string> name = kpd::TextExport::exportFileName(toModel(UserFileName_->text()), options);
    if (!name) {
        ui_.message(kpd::TextExport::kBadFileNameMessage);
        return;
    }
    if (kpd::TextExport::writesBlankLines(options)) {
        ui_.message(kNothingToExport);
        return;
    }
    accepted_ = true;
    options_ = options;
    UserFileName_->setText(toQt(*name));
    accept();
}
