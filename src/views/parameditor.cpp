#include "parameditor.h"

#include "boxspelling.h"
#include "costtext.h"
#include "editboxes.h"
#include "keymapfile.h"
#include "linelimitwarning.h"
#include "parameditorcontent.h"
#include "parammimic.h"
#include "parampanel.h"
#include "screenfit.h"

#include "lcdtextboxhost/lcdtextboxhost.h"
#include "model/theapp.h"
#include "model/userinterface.h"
#include "modeltext/failurereport.h"
#include "modeltext/modeltext.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QVBoxLayout>

ParamEditor::ParamEditor(kpd::UserInterface& ui, const QString& programFolder, QWidget* parent,
                         const QString& libraryFolder)
    : QDialog(parent),
      ui_(ui),
      content_(new ParamEditorContent(*this, programFolder, libraryFolder)),
      boxes_(new EditBoxes(session_, panel(Panel::Ref), panel(Panel::Cust), this)),
      warning_(new LineLimitWarning(
          *panel(Panel::Cust).label7(),
          // The caption of the kind being edited, so a trip's label comes back as a trip's.
          [this] { panel(Panel::Cust).setTripEditing(shownTripMode_); }, this)),
      cost_(std::make_unique<CostText>(*content_->costLabel())),
      keyMap_(std::make_unique<KeyMapFile>(programFolder, panel(Panel::Cust).desc()))
{
    setObjectName(QStringLiteral("ParamEditor"));
    connect(boxes_, &EditBoxes::entered, this, &ParamEditor::boxEntered);
    connect(boxes_, &EditBoxes::edited, this, &ParamEditor::showCost);
    connect(boxes_, &EditBoxes::handedBack, this, &ParamEditor::refresh);
    connect(boxes_, &EditBoxes::lineLimitReached, warning_, &LineLimitWarning::show);
    wireUnits();
    for (const Box b : {Box::CustDesc, Box::CustHelp})
        new BoxSpelling(
            boxes_->box(b), ParamEditSession::isHelp(b) ? kpd::TextField::Help : kpd::TextField::Description,
            [this] { return session_.position().appIfSet(); }, this);
    // The current tab, however it was chosen (mouse or arrow keys), is the mode edited.
    connect(modeTabs(), &QTabBar::currentChanged, this, &ParamEditor::selectMode);

    for (const bool backwards : {false, true}) {
        auto* action =
            new QAction(backwards ? QStringLiteral("Previous problem") : QStringLiteral("Next problem"), this);
        action->setShortcut(backwards ? QKeySequence(Qt::SHIFT | Qt::Key_F8) : QKeySequence(Qt::Key_F8));
        connect(action, &QAction::triggered, this, [this, backwards] { goToProblem(backwards); });
        addAction(action);
    }
    // The window scrolls what the screen cannot hold, so Commit and OK stay reachable.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content_);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

ParamEditor::~ParamEditor()
{
    // The boxes lose the focus while the window's widgets go: nothing may reach a window
    // half torn down.
    delete boxes_;
}

void ParamEditor::wireUnits()
{
    for (const Panel p : {Panel::Ref, Panel::Cust}) {
        connect(&panel(p), &ParamPanel::unitChosen, this, [this, p](int unit) {
            session_.chooseUnit(p, static_cast<std::int16_t>(unit));
            showUnits();
        });
        connect(&panel(p), &ParamPanel::indicatorClicked, this, [this, p](int unit) {
            session_.toggleUnit(p, static_cast<std::int16_t>(unit));
            showUnits();
        });
    }
}

void ParamEditor::setVisible(bool visible)
{
    // Sized when first shown, once the data has chosen the rows that show: the whole
    // content when the screen holds it.
    if (visible && !isVisible() && !testAttribute(Qt::WA_Resized)) ScreenFit::resize(*this, content_->sizeHint());
    QDialog::setVisible(visible);
}

bool ParamEditor::setMyData(kpd::TheApp& appData, const std::string& aMenuKey, const std::string& aParakey,
                            const std::string& modeKey, bool tripMode)
{
    if (!run([&] { session_.setMyData(appData, aMenuKey, aParakey, modeKey, tripMode); })) return false;
    hasData_ = true;
    appData_ = &appData;
    applyEditingKind();
    RefreshTabs();
    captionReferencePanel();
    panel(Panel::Cust).setEditable(true);
    panel(Panel::Ref).setEditable(false);
    run([this] { session_.loadModeData(); });
    showModeData();
    return true;
}

ParamPanel& ParamEditor::panel(Panel p) const
{
    return content_->panel(p);
}

ParamMimic& ParamEditor::mimic() const
{
    return content_->mimic();
}

LcdtextboxHost& ParamEditor::box(Box b) const
{
    return boxes_->box(b);
}

QTabBar* ParamEditor::modeTabs() const
{
    return content_->modeTabs();
}

QFrame* ParamEditor::noModeWarning() const
{
    return content_->noModeWarning();
}

QLabel* ParamEditor::costLabel() const
{
    return content_->costLabel();
}

QList<QPushButton*> ParamEditor::copyModeButtons() const
{
    return content_->copyModeButtons();
}

QPushButton* ParamEditor::button(const QString& caption) const
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == caption) return b;
    }
    return nullptr;
}

void ParamEditor::boxEntered(Box b)
{
    if (ParamEditSession::isCustom(b)) showCost(b);
}

void ParamEditor::warningTick()
{
    warning_->tick();
}

bool ParamEditor::isWarningActive() const
{
    return warning_->isActive();
}

void ParamEditor::setWarningInterval(int milliseconds)
{
    warning_->setInterval(milliseconds);
}

bool ParamEditor::run(const std::function<void()>& command)
{
    return reportFailures(ui_, command);
}

void ParamEditor::commit()
{
    boxes_->absorbEdits();
    if (run([this] { session_.commit(); })) emit committed();
    boxes_->highlightActive(false);
    boxes_->paint();
    showCurrentCost();
}

void ParamEditor::setCostEstimator(std::shared_ptr<const kpd::StringCostEstimator> estimator)
{
    cost_->setEstimator(std::move(estimator));
}

void ParamEditor::showCurrentCost()
{
    showCost(ParamEditSession::isCustom(session_.activeBox()) ? session_.activeBox() : Box::CustDesc);
}

void ParamEditor::showCost(Box b)
{
    if (!cost_->hasEstimator() || !hasData_ || !ParamEditSession::isCustom(b)) return;
    run([&] { cost_->show(session_, ParamEditSession::isHelp(b), boxes_->text(b)); });
}

void ParamEditor::ok()
{
    commit();
    accept();
}

void ParamEditor::keyPressEvent(QKeyEvent* event)
{
    // The window has no Cancel: Escape must not close it and throw the typing away.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ParamEditor::reject()
{
    boxes_->absorbEdits();
    bool unsaved = false;
    if (hasData_) run([&] { unsaved = session_.hasUncommittedEdits(); });
    if (unsaved) {
        switch (ui_.message("Commit the changes?", {}, kpd::MessageIcon::Question, kpd::MessageButtons::YesNoCancel)) {
        case kpd::MessageAnswer::Yes: ok(); return;
        case kpd::MessageAnswer::Cancel: return;
        default: break;
        }
    }
    QDialog::reject();
}

void ParamEditor::done(int result)
{
    keyMap_->save();
    QDialog::done(result);
}

void ParamEditor::goToProblem(bool backwards)
{
    if (!navigator_ || !appData_ || !hasData_) return;
    commit();
    const std::optional<kpd::ProblemList::Location> target =
        navigator_({session_.menuKey(), session_.paraKey(), session_.modeKey()}, backwards);
    if (target) setMyData(*appData_, target->menuKey, target->paraKey, target->modeKey, false);
}

void ParamEditor::undo()
{
    boxes_->absorbEdits();
    const Box active = session_.activeBox();
    if (active == Box::None) return;
    run([this] { session_.undo(); });
    boxes_->assign(active, session_.working(active));
    refresh();
    boxes_->highlightActive(true);
}

void ParamEditor::convertActive(void (ParamEditSession::*convert)())
{
    boxes_->absorbEdits();
    (session_.*convert)();
    refresh();
    boxes_->highlightActive(session_.activeBox() != Box::None);
}

void ParamEditor::addToGlossary()
{
    const Box active = session_.activeBox();
    if (active == Box::None) return;
    // The box tells its selection only through the clipboard; what the user had there comes
    // back when nothing was selected.
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString kept = clipboard->text();
    clipboard->clear();
    box(active).copy();
    const QString selected = clipboard->text();
    if (selected.isEmpty()) clipboard->setText(kept);
    emit glossaryTermRequested(selected, !ParamEditSession::isCustom(active));
}

void ParamEditor::toUpper()
{
    convertActive(&ParamEditSession::toUpper);
}

void ParamEditor::toLower()
{
    convertActive(&ParamEditSession::toLower);
}

void ParamEditor::underscoresToSpaces()
{
    convertActive(&ParamEditSession::underscoresToSpaces);
}

void ParamEditor::copyRefToCust()
{
    run([this] { session_.copyRefToCust(); });
    showModeData();
}

void ParamEditor::copyToMode(const QString& modeKey)
{
    boxes_->absorbEdits();
    run([&] { session_.copyToMode(toModel(modeKey)); });
    boxes_->highlightActive(false);
    boxes_->paint();
}

void ParamEditor::copyToAll()
{
    boxes_->absorbEdits();
    run([this] { session_.copyToAllModes(); });
    boxes_->highlightActive(false);
    boxes_->paint();
}

void ParamEditor::stepParameter(bool forward)
{
    boxes_->absorbEdits();
    run([&] { session_.stepParameter(forward); });
    showModeData();
}

void ParamEditor::ChangeMenu(int direction)
{
    boxes_->absorbEdits();
    run([&] { session_.changeMenu(direction); });
    applyEditingKind();
    RefreshTabs();
    showModeData();
}

void ParamEditor::ChangeLang(int direction)
{
    boxes_->absorbEdits();
    run([&] { session_.changeLang(direction); });
    captionReferencePanel();
    showModeData();
}

void ParamEditor::stepMode(int direction)
{
    boxes_->absorbEdits();
    run([&] { session_.stepMode(direction); });
    showModeData();
}

void ParamEditor::selectMode(int tabIndex)
{
    if (tabIndex < 0) return;
    boxes_->absorbEdits();
    const std::string key = content_->modeKeyAt(tabIndex);
    run([&] { session_.selectMode(key); });
    showModeData();
}

void ParamEditor::RefreshTabs()
{
    session_.setActiveBox(Box::None);
    boxes_->highlightActive(false);
    session_.clearChanges();
    content_->setModeTabs(session_.modeKeys());
}

void ParamEditor::displayCustom()
{
    session_.setMimicSource(ParamEditSession::Source::Custom);
    refresh();
}

void ParamEditor::displayReference()
{
    session_.setMimicSource(ParamEditSession::Source::Reference);
    refresh();
}

void ParamEditor::toggleShowHelp()
{
    session_.toggleShowHelp();
    refresh();
}

void ParamEditor::applyEditingKind()
{
    shownTripMode_ = session_.tripMode();
    content_->setTripEditing(shownTripMode_);
    setWindowTitle(shownTripMode_ ? QStringLiteral("Edit trip data")
                                  : QStringLiteral("Edit parameter data in menu ") +
                                        QString::number(session_.custMenu().menuNumber()));
}

void ParamEditor::captionReferencePanel()
{
    panel(Panel::Ref).setTitle(QStringLiteral("Reference data (") + toQt(session_.refKey()) + QLatin1Char(')'));
}

void ParamEditor::showModeData()
{
    bool available = false;
    run([&] { available = session_.modeAvailable(); });
    for (const Panel p : {Panel::Ref, Panel::Cust}) panel(p).setVisible(available);
    noModeWarning()->setVisible(!available);
    content_->showModeTab(session_.modeKey());
    run([this] {
        refresh();
        showUnits();
        content_->showCopyModes(session_.otherModeKeys());
    });
}

void ParamEditor::refresh()
{
    const QString number = toQt(session_.paraNumberText());
    for (const Panel p : {Panel::Ref, Panel::Cust}) panel(p).paraNo()->setText(number);
    mimic().parNum().setText(number);
    for (const Panel p : {Panel::Ref, Panel::Cust}) {
        panel(p).paraVal()->setText(toQt(session_.valueText(p)));
        panel(p).lLim()->setText(toQt(session_.limitText(p, ParamEditSession::Limit::Lower)));
        panel(p).uLim()->setText(toQt(session_.limitText(p, ParamEditSession::Limit::Upper)));
    }
    const Panel source = session_.mimicSource() == ParamEditSession::Source::Custom ? Panel::Cust : Panel::Ref;
    mimic().parVal().setText(toQt(ParamDisplayText::mimicValue(session_.valueText(source))));
    boxes_->assignWorking();
    mimic().desc().setText(toQt(session_.mimicText()));
    mimic().setShowingHelp(session_.showHelp());
    boxes_->paint();
    // Whatever brought other texts into the boxes, the figures are of the texts now shown.
    showCurrentCost();
}

void ParamEditor::showUnits()
{
    for (const Panel p : {Panel::Ref, Panel::Cust}) panel(p).showUnit(session_.unit(p));
    mimic().showUnitIcon(session_.unit(Panel::Cust));
}
