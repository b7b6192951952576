#include "folderpicker.h"

#include "model/userinterface.h"
#include "modeltext/modeltext.h"
#include "xmlfiles/textexport.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

// The entry of the folder list that leads to the parent folder.
const QString kUp = QStringLiteral("..");

} // namespace

FolderPicker::FolderPicker(kpd::UserInterface& ui, const QString& startFolder, QWidget* parent)
    : QWidget(parent),
      ui_(ui),
      drvLV_(new QComboBox(this)),
      path_(new QLabel(this)),
      dirLV_(new QListWidget(this)),
      btnNewFolder_(new QPushButton(QStringLiteral("New folder"), this))
{
    drvLV_->setObjectName(QStringLiteral("drvLV"));
    drvLV_->setToolTip(QStringLiteral("Select drive"));
    dirLV_->setObjectName(QStringLiteral("dirLV"));
    dirLV_->setToolTip(QStringLiteral("Choose folder to save in"));
    btnNewFolder_->setObjectName(QStringLiteral("btnNewFolder"));
    btnNewFolder_->setToolTip(QStringLiteral("Create new folder"));
    for (const QFileInfo& drive : QDir::drives()) drvLV_->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(drvLV_, 0, 0);
    layout->addWidget(btnNewFolder_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Select folder to save in:"), this), 1, 0, 1, 2);
    layout->addWidget(path_, 2, 0, 1, 2);
    layout->addWidget(dirLV_, 3, 0, 1, 2);

    ask_ = [this](const QString& prompt) {
        return QInputDialog::getText(this, QStringLiteral("Create folder"), prompt, QLineEdit::Normal,
                                     QStringLiteral("new folder"));
    };
    connect(drvLV_, &QComboBox::activated, this, [this](int index) { chooseDrive(index); });
    connect(dirLV_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { enter(item); });
    connect(btnNewFolder_, &QPushButton::clicked, this, &FolderPicker::newFolder);

    if (!setFolder(startFolder)) setFolder(QDir::rootPath());
}

bool FolderPicker::setFolder(const QString& path)
{
    const QDir dir(path);
    if (path.isEmpty() || !dir.exists() || !dir.isReadable()) return false;
    folder_ = dir.absolutePath();
    path_->setText(QDir::toNativeSeparators(folder_));
    dirLV_->clear();
    if (!dir.isRoot()) dirLV_->addItem(kUp);
    dirLV_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    selectDriveOf(folder_);
    return true;
}

void FolderPicker::selectDriveOf(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < drvLV_->count(); ++i) {
        const QString drive = drvLV_->itemText(i);
        if (native.startsWith(drive, Qt::CaseInsensitive) && drive.size() > bestLength) {
            best = i;
            bestLength = drive.size();
        }
    }
    if (best >= 0) drvLV_->setCurrentIndex(best);
}

bool FolderPicker::chooseDrive(int index)
{
    if (index >= 0 && index < drvLV_->count() && setFolder(QDir::fromNativeSeparators(drvLV_->itemText(index))))
        return true;
    selectDriveOf(folder_);
    return false;
}

void FolderPicker::enter(QListWidgetItem* item)
{
    if (!item) return;
    const QDir dir(folder_);
    setFolder(item->text() == kUp ? QFileInfo(folder_).absolutePath() : dir.filePath(item->text()));
}

void FolderPicker::newFolder()
{
    QString name = ask_(QString::fromLatin1(kNewFolderPrompt));
    while (!name.isEmpty() && !kpd::TextExport::hasOnlyNameCharacters(toModel(name)))
        name = ask_(QString::fromLatin1(kBadFolderPrompt));
    if (!name.isEmpty()) createFolder(name);
}

bool FolderPicker::createFolder(const QString& name)
{
    QDir dir(folder_);
    if (name.isEmpty() || !dir.mkdir(name)) {
        ui_.message(kCannotCreate);
        return false;
    }
    return setFolder(dir.filePath(name));
}
