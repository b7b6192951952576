#include "textsfilterbar.h"

#include "model/theapp.h"
#include "modeltext/modeltext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QComboBox* combo(QWidget* parent, const char* name, const QStringList& items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    return box;
}

} // namespace

TextsFilterBar::TextsFilterBar(QWidget* parent)
    : QWidget(parent),
      search_(new QLineEdit(this)),
      // In the order of TextRows::Status, after "any".
      status_(combo(this, "cboStatus",
                    {QStringLiteral("Any status"), QStringLiteral("Empty"), QStringLiteral("Unchanged"),
                     QStringLiteral("Problem"), QStringLiteral("Edited"), QStringLiteral("Done")})),
      menu_(combo(this, "cboMenu", {QStringLiteral("Every menu")})),
      field_(combo(this, "cboField",
                   {QStringLiteral("Both fields"), QStringLiteral("Description"), QStringLiteral("Help")})),
      count_(new QLabel(this))
{
    search_->setObjectName(QStringLiteral("txtSearch"));
    search_->setPlaceholderText(QStringLiteral("Search texts, names and keys"));
    search_->setClearButtonEnabled(true);
    // Long menu names would otherwise set the panel's width.
    menu_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    menu_->setMinimumContentsLength(10);
    count_->setObjectName(QStringLiteral("lblCount"));
    // Room for the largest drive's count, so that the filters do not move as it changes.
    count_->setMinimumWidth(count_->fontMetrics().horizontalAdvance(QStringLiteral("000000 of 000000")));

    // Two short rows rather than one long one: the panel shares the window with the grids.
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(count_);
    auto* choices = new QHBoxLayout;
    choices->addWidget(status_);
    choices->addWidget(menu_, 1);
    choices->addWidget(field_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(searchRow);
    layout->addLayout(choices);

    connect(search_, &QLineEdit::textChanged, this, &TextsFilterBar::changed);
    for (QComboBox* box : {status_, menu_, field_})
        connect(box, &QComboBox::currentIndexChanged, this, &TextsFilterBar::changed);
}

kpd::TextFilter TextsFilterBar::filter() const
{
    kpd::TextFilter filter;
    filter.search = toModel(search_->text());
    if (status_->currentIndex() > 0) filter.status = static_cast<kpd::TextRows::Status>(status_->currentIndex() - 1);
    filter.menuKey = toModel(menu_->currentData().toString());
    if (field_->currentIndex() > 0)
        filter.field = field_->currentIndex() == 1 ? kpd::TextField::Description : kpd::TextField::Help;
    return filter;
}

void TextsFilterBar::fillMenus(const kpd::TheApp& app)
{
    const QSignalBlocker quiet(menu_);
    while (menu_->count() > 1) menu_->removeItem(1);
    for (const kpd::DrvMenu& menu : app.getCustMenus())
        if (!menu.isMapped())
            menu_->addItem(toQt(menu.menuKey()) + QStringLiteral("  ") + toQt(menu.menuName()), toQt(menu.menuKey()));
}

void TextsFilterBar::showCount(int shown, int total)
{
    count_->setText(QString::number(shown) + QStringLiteral(" of ") + QString::number(total));
}
