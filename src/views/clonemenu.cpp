#include "clonemenu.h"

#include "clonemenurun.h"
#include "dialogarrow.h"
#include "keyednames.h"

#include "model/drvmenus.h"
#include "model/userinterface.h"
#include "modeltext/failurereport.h"
#include "modeltext/modeltext.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// 15 twips are one pixel at 96 dots per inch.
constexpr int kCloneMenuWidth = 5250 / 15;
constexpr int kCloneMenuHeight = 2370 / 15;

constexpr const char* kWarning = "WARNING: this cannot be undone - click Cancel to backout";

} // namespace

CloneMenu::CloneMenu(kpd::UserInterface& ui, QWidget* parent)
    : QDialog(parent),
      ui_(ui),
      txtSourceName_(new QLineEdit(this)),
      lstClones_(new QListWidget(this)),
      hint_(new QLabel(this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)),
      cancelButton_(new QPushButton(QStringLiteral("Cancel"), this)),
      arrow_(new DialogArrow(this))
{
    setObjectName(QStringLiteral("CloneMenu"));
    setWindowTitle(QStringLiteral("Clone menu to another menu"));
    setFixedSize(kCloneMenuWidth, kCloneMenuHeight);

    txtSourceName_->setObjectName(QStringLiteral("txtSourceName"));
    txtSourceName_->setToolTip(QStringLiteral("The source menu"));
    txtSourceName_->setReadOnly(true);
    txtSourceName_->setGeometry(8, 16, 120, 22);

    arrow_->setObjectName(QStringLiteral("arrow"));
    arrow_->setGeometry(134, 17, 40, 20);
    arrow_->hide();

    lstClones_->setObjectName(QStringLiteral("lstClones"));
    lstClones_->setToolTip(QStringLiteral("The selected destination menu"));
    lstClones_->setSelectionMode(QAbstractItemView::MultiSelection);
    lstClones_->setGeometry(180, 8, 160, 104);

    hint_->setObjectName(QStringLiteral("Hint"));
    hint_->setWordWrap(true);
    hint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint_->setGeometry(8, 46, 166, 104);

    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setGeometry(180, 122, 76, 26);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setGeometry(264, 122, 76, 26);

    connect(lstClones_, &QListWidget::itemSelectionChanged, this, &CloneMenu::listClicked);
    connect(okButton_, &QPushButton::clicked, this, &CloneMenu::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    okButton_->setEnabled(false);
    hint_->setText(QString::fromLatin1(kSelectHint));
}

CloneMenu::~CloneMenu() = default;

void CloneMenu::setData(kpd::DrvMenus& aMenuCol, const std::string& aKey)
{
    run_ = std::make_unique<CloneMenuRun>(aMenuCol, aKey, ui_);
    txtSourceName_->setText(toQt(run_->source().menuName()));
    const QSignalBlocker quiet(lstClones_);
    lstClones_->clear();
    for (std::int16_t number : run_->targets()) {
        auto* entry = new QListWidgetItem(QStringLiteral("Menu ") + QString::number(number), lstClones_);
        // The entry's text is the keypad's own wording; the name the tree shows comes with it.
        for (const kpd::DrvMenu& menu : aMenuCol)
            if (menu.menuNumber() == number) entry->setToolTip(toQt(KeyedNames::menu(menu.menuKey(), &menu)));
        entry->setData(Qt::UserRole, static_cast<int>(number));
    }
    listClicked();
}

std::vector<std::int16_t> CloneMenu::selectedMenus() const
{
    std::vector<std::int16_t> numbers;
    for (int row = 0; row < lstClones_->count(); ++row) {
        const QListWidgetItem* entry = lstClones_->item(row);
        if (entry->isSelected()) numbers.push_back(static_cast<std::int16_t>(entry->data(Qt::UserRole).toInt()));
    }
    return numbers;
}

void CloneMenu::listClicked()
{
    const std::size_t selected = selectedMenus().size();
    if (selected == 0) {
        hint_->setText(QString::fromLatin1(kSelectHint));
        okButton_->setEnabled(false);
        arrow_->hide();
        return;
    }
    okButton_->setEnabled(true);
    const QString first = selected == 1 ? QStringLiteral("Click OK to clone the source menu to the one selected")
                                        : QStringLiteral("Click OK to clone the source menu to those selected");
    hint_->setText(first + QLatin1Char('\n') + QString::fromLatin1(kWarning));
    arrow_->show();
}

void CloneMenu::okClicked()
{
    // The selected entries, never the list's current one: with one entry selected the
    // current entry may be another, unselected menu.
    const std::vector<std::int16_t> destinations = selectedMenus();
    if (destinations.empty() || !run_) {
        hint_->setText(QString::fromLatin1(kSelectHint));
        return;
    }
    hint_->setText(destinations.size() == 1 ? QStringLiteral("Cloning the menu")
                                            : QStringLiteral("cloning the selected menus"));
    bool refused = false;
    reportFailures(ui_, [&] { refused = run_->clone(destinations) == CloneMenuRun::Result::Refused; });
    if (refused) {
        listClicked();
        return;
    }
    accept();
}
