#include "referencepictures.h"

#include "shell/keypaddisplaymimic.h"

#include "checks/keypadtextlayout.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int kDot = 2;
constexpr int kHelpLines = 6;

QPixmap keypadPicture(const std::string& escaped, int lines)
{
    const QSize cell = KeypadDisplayMimic::cellSize(kDot);
    QPixmap picture(kpd::KeypadTextLayout::kDisplayColumns * cell.width() + 4, lines * cell.height() + 4);
    picture.fill(KeypadDisplayMimic::background());
    QPainter painter(&picture);
    QList<QByteArray> shown;
    for (const std::string& line : kpd::KeypadTextLayout::lines(escaped))
        if (shown.size() < lines) shown.append(QByteArray(line.data(), static_cast<qsizetype>(line.size())));
    KeypadDisplayMimic::paintLines(painter, {2, 2}, shown, kpd::KeypadTextLayout::kDisplayColumns, kDot);
    return picture;
}

} // namespace

ReferencePictures::ReferencePictures(QWidget* parent) : QWidget(parent), layout_(new QHBoxLayout(this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // A caption and the help's lines: the room stays the same from row to row.
    setMinimumHeight(fontMetrics().height() + kHelpLines * KeypadDisplayMimic::cellSize(kDot).height() + 16);
}

void ReferencePictures::clear()
{
    while (QLayoutItem* item = layout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

void ReferencePictures::showTexts(const kpd::TheApp& app, const QStringList& extraLanguages,
                                  const kpd::TextRows::Row& row)
{
    clear();
    const bool help = row.field == kpd::TextField::Help;
    const int lines = help ? kHelpLines : kpd::KeypadTextLayout::kDescriptionLines;
    QStringList languages{toQt(app.getRefKey())};
    for (const QString& extra : extraLanguages)
        if (!languages.contains(extra) && extra != toQt(app.getCustKey())) languages.append(extra);
    for (const QString& language : languages) {
        const kpd::stringData* set = app.stringDatas().find(toModel(language));
        const kpd::DrvMenu* menu = set ? set->DrvMenus().find(row.menu->menuKey()) : nullptr;
        const kpd::Parameter* param = menu ? menu->Parameters().find(row.param->paraKey()) : nullptr;
        const kpd::ModeData* mode = param ? param->modes().find(row.mode->modeKey()) : nullptr;
        if (!mode) continue;
        auto* column = new QWidget(this);
        auto* columnLayout = new QVBoxLayout(column);
        columnLayout->setContentsMargins(0, 0, 8, 0);
        columnLayout->addWidget(new QLabel(language, column));
        auto* picture = new QLabel(column);
        picture->setObjectName(QStringLiteral("lblReference"));
        picture->setPixmap(keypadPicture(help ? mode->getHelp() : mode->getDesc(), lines));
        picture->setToolTip(toQt(help ? mode->getHelp() : mode->getDesc()));
        columnLayout->addWidget(picture);
        layout_->addWidget(column);
    }
    layout_->addStretch();
}
