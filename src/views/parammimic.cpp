#include "parammimic.h"

#include "paramdisplaytext.h"
#include "parampanel.h"

#include "lcdtextboxhost/lcdtextboxhost.h"
#include "xmlfiles/fixedfile.h"
#include "modeltext/modeltext.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

ParamMimic::ParamMimic(const QString& programFolder, const QString& libraryFolder, QWidget* parent)
    : QGroupBox(QStringLiteral("Mimic"), parent),
      programFolder_(programFolder),
      parNum_(new LcdtextboxHost(this, libraryFolder)),
      parVal_(new LcdtextboxHost(this, libraryFolder)),
      desc_(new LcdtextboxHost(this, libraryFolder)),
      icon_(new QLabel(this)),
      displayCustom_(new QPushButton(QStringLiteral("Display custom"), this)),
      displayReference_(new QPushButton(QStringLiteral("Display reference"), this)),
      showHelp_(new QPushButton(QStringLiteral("Show Help"), this)),
      scrollUp_(new QToolButton(this)),
      scrollDown_(new QToolButton(this))
{
    parNum_->setObjectName(QStringLiteral("gtbMimParNum"));
    parVal_->setObjectName(QStringLiteral("gtbMimParVal"));
    desc_->setObjectName(QStringLiteral("gtbMimDesc"));
    // Number and value are display only.
    ParamPanel::configureBox(*parNum_, 5, 1, 0, false);
    ParamPanel::configureBox(*parVal_, 7, 1, 0, false);
    ParamPanel::configureBox(*desc_, 16, 2, 0);
    parNum_->setText(QStringLiteral("10.01"));
    parVal_->setText(QStringLiteral("000.000"));
    desc_->setText(QStringLiteral("Some text"));

    icon_->setObjectName(QStringLiteral("unitIcon"));
    displayCustom_->setToolTip(QStringLiteral("Display custom text in mimic"));
    displayReference_->setToolTip(QStringLiteral("Display reference text in mimic"));
    showHelp_->setObjectName(QStringLiteral("mimicShwHlp"));
    showHelp_->setToolTip(QStringLiteral("toggle between help and description on the mimic"));
    scrollUp_->setObjectName(QStringLiteral("helpUDUp"));
    scrollUp_->setArrowType(Qt::UpArrow);
    scrollUp_->setToolTip(QStringLiteral("Scroll the help text up and down"));
    scrollDown_->setObjectName(QStringLiteral("helpUDDown"));
    scrollDown_->setArrowType(Qt::DownArrow);
    scrollDown_->setToolTip(QStringLiteral("Scroll the help text up and down"));
    connect(scrollUp_, &QToolButton::clicked, desc_, &LcdtextboxHost::scrollUp);
    connect(scrollDown_, &QToolButton::clicked, desc_, &LcdtextboxHost::scrollDown);

    auto* layout = new QGridLayout(this);
    auto* top = new QHBoxLayout;
    for (LcdtextboxHost* box : {parNum_, parVal_}) {
        if (box->widget()) top->addWidget(box->widget());
    }
    top->addWidget(icon_);
    top->addStretch();
    layout->addLayout(top, 0, 0);
    if (desc_->widget()) layout->addWidget(desc_->widget(), 1, 0);
    auto* scroll = new QVBoxLayout;
    scroll->addWidget(scrollUp_);
    scroll->addWidget(scrollDown_);
    scroll->addWidget(new QLabel(QStringLiteral("Scroll Help"), this));
    layout->addLayout(scroll, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(displayCustom_);
    buttons->addWidget(displayReference_);
    buttons->addWidget(showHelp_);
    layout->addLayout(buttons, 2, 0, 1, 2);
}

void ParamMimic::setShowingHelp(bool showingHelp)
{
    showHelp_->setText(showingHelp ? QStringLiteral("Show Description") : QStringLiteral("Show Help"));
}

void ParamMimic::showUnitIcon(int unit)
{
    const std::string name = ParamDisplayText::iconFile(static_cast<std::int16_t>(unit));
    if (name.empty()) return;
    iconFile_ = toQt(name);
    const std::string path = kpd::FixedFile::path(toFileName(programFolder_), name);
    icon_->setPixmap(QPixmap(fromFileName(path)));
}
