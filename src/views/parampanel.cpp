#include "parampanel.h"

#include "lcdtextboxhost/lcdtextboxhost.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The highlight is a frame of constant width whose colour comes and goes, so the
// boxes never move when the active one changes.
constexpr int kHighlightWidth = 3;
const char* const kHighlightOn = "QFrame#boxFrame { border: 3px solid #0000FF; }";
const char* const kHighlightOff = "QFrame#boxFrame { border: 3px solid transparent; }";

QLineEdit* displayField(QWidget* parent, const QString& name, const QString& tip = {})
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setToolTip(tip);
    return field;
}

} // namespace

ParamPanel::ParamPanel(const QString& title, const QString& libraryFolder, QWidget* parent)
    : QGroupBox(title, parent),
      descFrame_(new QFrame(this)),
      helpFrame_(new QFrame(this)),
      paraNo_(displayField(this, QStringLiteral("paraNo"))),
      paraVal_(displayField(this, QStringLiteral("paraVal"))),
      paraUnit_(new QComboBox(this)),
      lLim_(displayField(this, QStringLiteral("lLim"), QStringLiteral("Displays the lower limit"))),
      uLim_(displayField(this, QStringLiteral("uLim"), QStringLiteral("Displays the upper limit"))),
      label1_(new QLabel(QStringLiteral("Param & default value"), this)),
      label7_(new QLabel(QStringLiteral("2 Line Description"), this)),
      label5_(new QLabel(QStringLiteral("Help"), this)),
      helpUp_(new QToolButton(this)),
      helpDown_(new QToolButton(this))
{
    desc_ = new LcdtextboxHost(descFrame_, libraryFolder);
    help_ = new LcdtextboxHost(helpFrame_, libraryFolder);
    desc_->setObjectName(QStringLiteral("Desc"));
    help_->setObjectName(QStringLiteral("Help"));
    label1_->setObjectName(QStringLiteral("Label1"));
    label7_->setObjectName(QStringLiteral("Label7"));
    label5_->setObjectName(QStringLiteral("Label5"));

    paraUnit_->setObjectName(QStringLiteral("paraUnit"));
    paraUnit_->addItems({QStringLiteral("None"), QStringLiteral("%"), QStringLiteral("A"), QStringLiteral("RPM"),
                         QStringLiteral("Hz")});
    paraUnit_->setToolTip(QStringLiteral("Select the units"));
    connect(paraUnit_, &QComboBox::activated, this, &ParamPanel::unitChosen);

    static const char* const names[] = {"rdoPercent", "rdoAmps", "rdoRPM", "rdoHz"};
    static const char* const captions[] = {"%", "A", "RPM", "Hz"};
    auto* indicatorRow = new QHBoxLayout;
    for (int unit = 1; unit <= 4; ++unit) {
        auto* button = new QRadioButton(QString::fromLatin1(captions[unit - 1]), this);
        button->setObjectName(QString::fromLatin1(names[unit - 1]));
        button->setAutoExclusive(false);
        button->setToolTip(QStringLiteral("Click to select a unit, clicking a selected indicator deselects it"));
        connect(button, &QRadioButton::clicked, this, [this, unit] { emit indicatorClicked(unit); });
        indicators_[static_cast<std::size_t>(unit - 1)] = button;
        indicatorRow->addWidget(button);
    }

    auto* unitsLabel = new QLabel(QStringLiteral("Units"), this);
    auto* unitLabel = new QLabel(QStringLiteral("Unit:"), this);
    auto* lowerLabel = new QLabel(QStringLiteral("Lower limit"), this);
    auto* upperLabel = new QLabel(QStringLiteral("Upper Limit"), this);
    unitWidgets_ = {paraUnit_, unitsLabel, unitLabel, lowerLabel, upperLabel, lLim_, uLim_};
    for (QRadioButton* button : indicators_) unitWidgets_.append(button);

    helpUp_->setObjectName(QStringLiteral("HelpScrollUp"));
    helpUp_->setArrowType(Qt::UpArrow);
    helpDown_->setObjectName(QStringLiteral("HelpScrollDown"));
    helpDown_->setArrowType(Qt::DownArrow);
    connect(helpUp_, &QToolButton::clicked, help_, &LcdtextboxHost::scrollUp);
    connect(helpDown_, &QToolButton::clicked, help_, &LcdtextboxHost::scrollDown);
    auto* helpScroll = new QVBoxLayout;
    helpScroll->addWidget(helpUp_);
    helpScroll->addWidget(helpDown_);
    helpScroll->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(label1_, 0, 0, 1, 2);
    grid->addWidget(paraNo_, 1, 0);
    grid->addWidget(paraVal_, 1, 1);
    grid->addWidget(unitsLabel, 2, 0);
    grid->addLayout(indicatorRow, 3, 0, 1, 2);
    grid->addWidget(unitLabel, 4, 0);
    grid->addWidget(paraUnit_, 4, 1);
    grid->addWidget(lowerLabel, 5, 0);
    grid->addWidget(upperLabel, 5, 1);
    grid->addWidget(lLim_, 6, 0);
    grid->addWidget(uLim_, 6, 1);
    grid->addWidget(label7_, 7, 0, 1, 2);
    grid->addWidget(holder(*desc_), 8, 0, 1, 2);
    grid->addWidget(label5_, 9, 0, 1, 2);
    auto* helpRow = new QHBoxLayout;
    helpRow->addWidget(holder(*help_));
    helpRow->addLayout(helpScroll);
    grid->addLayout(helpRow, 10, 0, 1, 2);
    // The room of the rows that trip editing hides goes below the help box, never
    // between a caption and its box.
    grid->setRowStretch(11, 1);

    if (QWidget* widget = desc_->widget())
        widget->setToolTip(QStringLiteral("Edit the description strings here: use right click for extra tools"));
    if (QWidget* widget = help_->widget())
        widget->setToolTip(QStringLiteral("Edit the help strings here: use right click for extra tools"));
    configureBox(*desc_, 16, 2, 2);
    configureBox(*help_, 16, 6, 0);
    highlight(nullptr);
}

ParamPanel::~ParamPanel() = default;

QFrame* ParamPanel::holder(LcdtextboxHost& box)
{
    QFrame* frame = &box == desc_ ? descFrame_ : helpFrame_;
    frame->setObjectName(QStringLiteral("boxFrame"));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(kHighlightWidth, kHighlightWidth, kHighlightWidth, kHighlightWidth);
    if (box.widget()) layout->addWidget(box.widget());
    return frame;
}

void ParamPanel::setEditable(bool editable)
{
    for (LcdtextboxHost* box : {desc_, help_}) {
        box->setEnabled(editable);
        if (box->widget()) box->widget()->setEnabled(editable);
    }
    paraUnit_->setEnabled(editable);
    for (QRadioButton* button : indicators_) button->setEnabled(editable);
}

void ParamPanel::setTripEditing(bool tripEditing)
{
    for (QWidget* widget : unitWidgets_) widget->setVisible(!tripEditing);
    label1_->setText(tripEditing ? QStringLiteral("Trip code & mnemonic") : QStringLiteral("Param & default value"));
    label7_->setText(tripEditing ? QStringLiteral("2 line trip text") : QStringLiteral("2 line description"));
    label5_->setText(tripEditing ? QStringLiteral("Trip help") : QStringLiteral("Help"));
}

void ParamPanel::showUnit(int unit)
{
    for (QRadioButton* button : indicators_) button->setChecked(false);
    if (unit >= 0 && unit < paraUnit_->count()) paraUnit_->setCurrentIndex(unit);
    if (unit >= 1 && unit <= 4) indicator(unit)->setChecked(true);
}

void ParamPanel::highlight(const LcdtextboxHost* box)
{
    descFrame_->setStyleSheet(QString::fromLatin1(box == desc_ ? kHighlightOn : kHighlightOff));
    helpFrame_->setStyleSheet(QString::fromLatin1(box == help_ ? kHighlightOn : kHighlightOff));
}

bool ParamPanel::highlighted(const LcdtextboxHost* box) const
{
    const QFrame* frame = box == desc_ ? descFrame_ : box == help_ ? helpFrame_ : nullptr;
    return frame && frame->styleSheet() == QString::fromLatin1(kHighlightOn);
}

void ParamPanel::configureBox(LcdtextboxHost& box, int cols, int rows, int lineLimit, bool enabled)
{
    box.setNCols(static_cast<qint16>(cols));
    box.setNRows(static_cast<qint16>(rows));
    box.setLineLimit(static_cast<qint16>(lineLimit));
    box.setEnabled(enabled);
    box.setEmptyCellColor(box.BackColor());
    if (QWidget* widget = box.widget()) widget->setFixedSize(cols * kCellWidth, rows * kCellHeight);
}

void ParamPanel::paintBox(LcdtextboxHost& box, const QColor& background)
{
    box.setBackColor(background);
    box.setEmptyCellColor(background);
}
