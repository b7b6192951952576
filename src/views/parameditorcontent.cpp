#include "parameditorcontent.h"

#include "parameditor.h"
#include "parammimic.h"
#include "parampanel.h"

#include "modeltext/modeltext.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// 15 twips are one pixel: the copy buttons stack 255 twips apart.
constexpr int kCopyButtonPitch = 255 / 15;

} // namespace

ParamEditorContent::ParamEditorContent(ParamEditor& editor, const QString& programFolder,
                                       const QString& libraryFolder)
    : QWidget(&editor),
      editor_(editor),
      mimic_(new ParamMimic(programFolder, libraryFolder, this)),
      modeTabs_(new QTabBar(this)),
      frameNoModeWarn_(new QFrame(this)),
      copyModes_(new QGroupBox(QStringLiteral("Copy to other modes"), this)),
      copyModeArea_(new QWidget(copyModes_)),
      btnCopyToAll_(new QPushButton(QStringLiteral("All modes"), copyModes_)),
      costLabel_(new QLabel(this))
{
    panels_[static_cast<std::size_t>(Panel::Ref)] =
        new ParamPanel(QStringLiteral("Reference data ()"), libraryFolder, this);
    panels_[static_cast<std::size_t>(Panel::Cust)] = new ParamPanel(QStringLiteral("Custom data"), libraryFolder, this);

    connect(mimic_->displayCustom(), &QPushButton::clicked, &editor, &ParamEditor::displayCustom);
    connect(mimic_->displayReference(), &QPushButton::clicked, &editor, &ParamEditor::displayReference);
    connect(mimic_->showHelpToggle(), &QPushButton::clicked, &editor, &ParamEditor::toggleShowHelp);

    modeTabs_->setObjectName(QStringLiteral("ModeTabs"));
    frameNoModeWarn_->setObjectName(QStringLiteral("frameNoModeWarn"));
    auto* warnLayout = new QVBoxLayout(frameNoModeWarn_);
    warnLayout->addWidget(new QLabel(QStringLiteral("Mode not available"), frameNoModeWarn_));
    warnLayout->addWidget(new QLabel(QStringLiteral("for this parameter"), frameNoModeWarn_));
    frameNoModeWarn_->hide();

    btnCopyToAll_->setObjectName(QStringLiteral("btnCopyToAll"));
    btnCopyToAll_->setToolTip(QStringLiteral("Copy the working data to all modes"));
    connect(btnCopyToAll_, &QPushButton::clicked, &editor, &ParamEditor::copyToAll);
    auto* copyLayout = new QVBoxLayout(copyModes_);
    copyLayout->addWidget(btnCopyToAll_);
    copyLayout->addWidget(copyModeArea_, 1);
    // The mode buttons stack one pitch apart at the top and as wide as "All modes".
    auto* copyStack = new QVBoxLayout(copyModeArea_);
    copyStack->setContentsMargins(0, 0, 0, 0);
    copyStack->setSpacing(0);
    copyStack->setAlignment(Qt::AlignTop);

    auto* layout = new QGridLayout(this);
    layout->addWidget(panels_[0], 0, 0);
    layout->addWidget(panels_[1], 0, 1);
    layout->addWidget(frameNoModeWarn_, 0, 0, 1, 2, Qt::AlignCenter);
    layout->addWidget(mimic_, 0, 2);
    layout->addWidget(modeTabs_, 1, 0, 1, 2);
    layout->addWidget(copyModes_, 1, 2, 2, 1);
    layout->addWidget(buildButtons(), 2, 0, 1, 2);
    costLabel_->setObjectName(QStringLiteral("lblCost"));
    layout->addWidget(costLabel_, 3, 0, 1, 3);
    costLabel_->hide();
}

QWidget* ParamEditorContent::buildButtons()
{
    auto* area = new QWidget(this);
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const QString& caption, const QString& tip, int row, int column, auto slot) {
        auto* b = new QPushButton(caption, area);
        b->setToolTip(tip);
        connect(b, &QPushButton::clicked, &editor_, slot);
        layout->addWidget(b, row, column);
        return b;
    };
    ParamEditor* e = &editor_;
    add(QStringLiteral("< Mode"), QStringLiteral("Go to mode tab on left"), 0, 0, [e] { e->stepMode(-1); });
    add(QStringLiteral("Mode >"), QStringLiteral("Go to mode tab on right"), 0, 1, [e] { e->stepMode(1); });
    stepBack_ = add(QStringLiteral("< Param"), QStringLiteral("Move to next parameter down"), 1, 0,
                    [e] { e->stepParameter(false); });
    stepForward_ = add(QStringLiteral("Param >"), QStringLiteral("Move to next parameter up"), 1, 1,
                       [e] { e->stepParameter(true); });
    add(QStringLiteral("< Menu"), QStringLiteral("Load last menu (takes a few seconds)"), 2, 0,
        [e] { e->ChangeMenu(-1); });
    add(QStringLiteral("Menu >"), QStringLiteral("Load next menu (takes a few seconds)"), 2, 1,
        [e] { e->ChangeMenu(1); });
    add(QStringLiteral("< Lang"), QStringLiteral("Load last language into reference data"), 3, 0,
        [e] { e->ChangeLang(-1); });
    add(QStringLiteral("Lang >"), QStringLiteral("Load next language into reference data"), 3, 1,
        [e] { e->ChangeLang(1); });
    layout->addWidget(buildTextTools(area), 0, 2, 4, 1);
    add(QStringLiteral("Commit"), QStringLiteral("Save your latest change"), 0, 3, &ParamEditor::commit);
    QPushButton* okButton = add(QStringLiteral("OK"), QStringLiteral("Finished with editor"), 1, 3, &ParamEditor::ok);
    okButton->setAutoDefault(false);
    return area;
}

QGroupBox* ParamEditorContent::buildTextTools(QWidget* parent)
{
    auto* tools = new QGroupBox(QStringLiteral("Text tools"), parent);
    auto* toolLayout = new QVBoxLayout(tools);
    const auto tool = [&](const QString& caption, const QString& tip, auto slot) {
        auto* b = new QPushButton(caption, tools);
        b->setToolTip(tip);
        connect(b, &QPushButton::clicked, &editor_, slot);
        toolLayout->addWidget(b);
    };
    tool(QStringLiteral("Copy reference to custom"),
         QStringLiteral("Copy the data from the default panel to the alternate panel"), &ParamEditor::copyRefToCust);
    tool(QStringLiteral("Undo"), QString(), &ParamEditor::undo);
    tool(QStringLiteral("To Upper"), QStringLiteral("Convert any lower case characters to upper case"),
         &ParamEditor::toUpper);
    tool(QStringLiteral("To Lower"), QStringLiteral("Convert any upper case characters to lower case"),
         &ParamEditor::toLower);
    tool(QStringLiteral("_ to spc"), QStringLiteral("Convert all _ characters to spaces"),
         &ParamEditor::underscoresToSpaces);
    tool(QStringLiteral("Add to glossary"), QStringLiteral("Add the selected text to the drive's glossary as a term"),
         &ParamEditor::addToGlossary);
    return tools;
}

void ParamEditorContent::setModeTabs(const std::vector<std::string>& modeKeys)
{
    const QSignalBlocker blocker(modeTabs_);
    while (modeTabs_->count() > 0) modeTabs_->removeTab(0);
    for (const std::string& key : modeKeys) {
        const int index = modeTabs_->addTab(toQt(key));
        modeTabs_->setTabData(index, toQt(key));
    }
    modeTabs_->update();
}

std::string ParamEditorContent::modeKeyAt(int tabIndex) const
{
    return toModel(modeTabs_->tabData(tabIndex).toString());
}

void ParamEditorContent::showModeTab(const std::string& modeKey)
{
    const QSignalBlocker blocker(modeTabs_);
    for (int i = 0; i < modeTabs_->count(); ++i) {
        if (modeTabs_->tabData(i).toString() == toQt(modeKey)) modeTabs_->setCurrentIndex(i);
    }
}

void ParamEditorContent::showCopyModes(const std::vector<std::string>& modeKeys)
{
    qDeleteAll(copyModeArea_->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly));
    for (const std::string& key : modeKeys) {
        auto* b = new QPushButton(toQt(key), copyModeArea_);
        b->setObjectName(QStringLiteral("btnCopyMode"));
        b->setProperty("tag", toQt(key));
        b->setToolTip(QStringLiteral("Copy the working data to this mode"));
        b->setFixedHeight(kCopyButtonPitch);
        copyModeArea_->layout()->addWidget(b);
        connect(b, &QPushButton::clicked, &editor_, [this, key] { editor_.copyToMode(toQt(key)); });
    }
}

QList<QPushButton*> ParamEditorContent::copyModeButtons() const
{
    return copyModeArea_->findChildren<QPushButton*>(QStringLiteral("btnCopyMode"), Qt::FindDirectChildrenOnly);
}

void ParamEditorContent::setTripEditing(bool tripEditing)
{
    for (ParamPanel* p : panels_) p->setTripEditing(tripEditing);
    stepBack_->setText(tripEditing ? QStringLiteral("< Trip") : QStringLiteral("< Param"));
    stepForward_->setText(tripEditing ? QStringLiteral("Trip >") : QStringLiteral("Param >"));
}
