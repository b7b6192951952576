#include "copym2m.h"

#include "copym2mrun.h"
#include "dialogarrow.h"

#include "model/drvmenu.h"
#include "modeltext/modeltext.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {

// 15 twips are one pixel at 96 dots per inch.
int pixels(int twips)
{
    return (twips + 7) / 15;
}

constexpr int kCopyM2MWidth = 4080 / 15;
constexpr int kCopyM2MHeight = 2700 / 15;
constexpr int kAllLeft = 150;
constexpr int kAllWidth = 36;
constexpr int kModeLeft = 192;
constexpr int kModeWidth = 72;
constexpr int kColumnGap = 4;
constexpr int kMargin = 8;

} // namespace

CopyM2M::CopyM2M(QWidget* parent)
    : QDialog(parent),
      modeList_(new QListWidget(this)),
      btnCopyToAll_(new QPushButton(QStringLiteral("All"), this)),
      hint_(new QLabel(this)),
      arrow_(new DialogArrow(this))
{
    setObjectName(QStringLiteral("CopyM2M"));
    setWindowTitle(QStringLiteral("Copy mode to mode"));
    setFixedSize(kCopyM2MWidth, kCopyM2MHeight);

    modeList_->setObjectName(QStringLiteral("modeList"));
    modeList_->setGeometry(8, 8, 104, kCopyM2MHeight - 16);
    hint_->setObjectName(QStringLiteral("Hint"));
    hint_->setWordWrap(true);
    hint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint_->setGeometry(120, 4, kCopyM2MWidth - 124, 40);
    arrow_->setObjectName(QStringLiteral("arrow"));
    arrow_->setGeometry(114, pixels(CopyM2MRun::kButtonCentre) - 8, 34, 16);
    arrow_->hide();

    btnCopyToAll_->setObjectName(QStringLiteral("btnCopyToAll"));
    btnCopyToAll_->setToolTip(QStringLiteral("Copy the working data to all modes"));
    btnCopyToAll_->hide();
    for (int i = 0; i < kModeButtons; ++i) addModeButton();

    connect(modeList_, &QListWidget::itemClicked, this, &CopyM2M::listClicked);
    connect(btnCopyToAll_, &QPushButton::clicked, this, &CopyM2M::allClicked);
}

void CopyM2M::addModeButton()
{
    const std::size_t index = btnCopyMode_.size();
    auto* button = new QPushButton(QStringLiteral("Mode"), this);
    button->setObjectName(QStringLiteral("btnCopyMode%1").arg(index));
    button->setToolTip(QStringLiteral("Copy the working data to this mode"));
    button->hide();
    connect(button, &QPushButton::clicked, this, [this, index] { modeButtonClicked(index); });
    btnCopyMode_.push_back(button);
    buttonTags_.emplace_back();
}

void CopyM2M::setData(kpd::DrvMenu& aMenu)
{
    menu_ = &aMenu;
    state_ = 0;
    modeList_->clear();
    modeList_->setEnabled(true);
    for (const std::string& name : aMenu.modeNames()) modeList_->addItem(toQt(name));
    while (btnCopyMode_.size() < static_cast<std::size_t>(modeList_->count())) addModeButton();
    hint_->setText(QStringLiteral("Select the source mode"));
}

std::string CopyM2M::sourceMode() const
{
    const QList<QListWidgetItem*> selected = modeList_->selectedItems();
    return selected.isEmpty() ? std::string() : toModel(selected.first()->text());
}

void CopyM2M::listClicked()
{
    if (state_ != 0 || modeList_->selectedItems().isEmpty()) return;
    const std::size_t source = static_cast<std::size_t>(modeList_->row(modeList_->selectedItems().first()));
    const ModeButtonLayout layout = CopyM2MRun::layout(static_cast<std::size_t>(modeList_->count()), source);

    btnCopyToAll_->setGeometry(kAllLeft, pixels(layout.allTop), kAllWidth, pixels(layout.allHeight));
    btnCopyToAll_->show();
    int right = kCopyM2MWidth;
    for (const ModeButtonPlace& place : layout.buttons) {
        QPushButton* button = btnCopyMode_[place.position];
        const QString name = modeList_->item(static_cast<int>(place.position))->text();
        button->setGeometry(kModeLeft + place.column * (kModeWidth + kColumnGap), pixels(place.top), kModeWidth,
                            pixels(CopyM2MRun::kButtonHeight));
        button->setText(name);
        buttonTags_[place.position] = toModel(name);
        button->show();
        right = std::max(right, button->geometry().right() + kMargin);
    }
    // Beyond seven modes the further columns widen the dialog.
    if (right > width()) setFixedSize(right, kCopyM2MHeight);

    arrow_->show();
    hint_->setText(QStringLiteral("Click the mode to copy to (or all modes)"));
    modeList_->setEnabled(false);
    state_ = 1;
}

void CopyM2M::modeButtonClicked(std::size_t index)
{
    if (state_ == 1 && menu_ && index < buttonTags_.size()) CopyM2MRun::copy(*menu_, sourceMode(), buttonTags_[index]);
    accept();
}

void CopyM2M::allClicked()
{
    if (state_ == 1 && menu_) CopyM2MRun::copy(*menu_, sourceMode(), std::string());
    accept();
}
