#include "parameditor.h"

#include "parammimic.h"
#include "parampanel.h"
#include "screenfit.h"

#include "build/stringcostestimator.h"

#include "lcdtextboxhost/lcdtextboxhost.h"
#include "model/modelerror.h"
#include "model/theapp.h"
#include "model/userinterface.h"
#include "modeltext/modeltext.h"
#include "xmlfiles/fixedfile.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// 15 twips are one pixel: the copy buttons stack 255 twips apart.
constexpr int kCopyButtonPitch = 255 / 15;
constexpr int kWarningInterval = 500;
// The warning stays for five ticks of the timer.
constexpr int kWarningTicks = 3;

const QColor kActiveColour(0xFF, 0xFF, 0xFF);
const QColor kInactiveColour(0xA0, 0xA0, 0xA0);
const QColor kLongActiveColour(0xFF, 0xD0, 0xD0);
const QColor kLongInactiveColour(0xC0, 0xA0, 0xA0);

constexpr std::array<ParamEditor::Box, 4> kBoxes{ParamEditor::Box::RefDesc, ParamEditor::Box::RefHelp,
                                                 ParamEditor::Box::CustDesc, ParamEditor::Box::CustHelp};

std::size_t slot(ParamEditor::Box box)
{
    return static_cast<std::size_t>(box) - 1;
}

} // namespace

ParamEditor::ParamEditor(kpd::UserInterface& ui, const QString& programFolder, QWidget* parent,
                         const QString& libraryFolder)
    : QDialog(parent),
      ui_(ui),
      mimic_(new ParamMimic(programFolder, libraryFolder, this)),
      modeTabs_(new QTabBar(this)),
      frameNoModeWarn_(new QFrame(this)),
      copyModes_(new QGroupBox(QStringLiteral("Copy to other modes"), this)),
      copyModeArea_(new QWidget(copyModes_)),
      btnCopyToAll_(new QPushButton(QStringLiteral("All modes"), copyModes_)),
      content_(new QWidget(this)),
      warningTimer_(new QTimer(this)),
      costLabel_(new QLabel(this))
{
    setObjectName(QStringLiteral("ParamEditor"));
    panels_[ParaEditSession::RefPanel] = new ParamPanel(QStringLiteral("Reference data ()"), libraryFolder, this);
    panels_[ParaEditSession::CustPanel] = new ParamPanel(QStringLiteral("Custom data"), libraryFolder, this);

    keyMapPath_ = fromFileName(kpd::FixedFile::path(toFileName(programFolder), "keymap.kpm"));
    if (QFile::exists(keyMapPath_)) {
        QString path = keyMapPath_;
        panel(ParaEditSession::CustPanel).desc().loadMapping(path);
    }

    for (Box b : kBoxes) connectBox(b);
    connect(mimic_->displayCustom(), &QPushButton::clicked, this, &ParamEditor::displayCustom);
    connect(mimic_->displayReference(), &QPushButton::clicked, this, &ParamEditor::displayReference);
    connect(mimic_->showHelpToggle(), &QPushButton::clicked, this, &ParamEditor::toggleShowHelp);
    for (int index : {ParaEditSession::RefPanel, ParaEditSession::CustPanel}) {
        const auto p = static_cast<ParaEditSession::Panel>(index);
        connect(panels_[static_cast<std::size_t>(index)], &ParamPanel::unitChosen, this, [this, p](int unit) {
            session_.chooseUnit(p, static_cast<std::int16_t>(unit));
            showUnits();
        });
        connect(panels_[static_cast<std::size_t>(index)], &ParamPanel::indicatorClicked, this, [this, p](int unit) {
            session_.toggleUnit(p, static_cast<std::int16_t>(unit));
            showUnits();
        });
    }

    modeTabs_->setObjectName(QStringLiteral("ModeTabs"));
    // The current tab, however it was chosen (mouse or arrow keys), is the mode edited.
    connect(modeTabs_, &QTabBar::currentChanged, this, &ParamEditor::selectMode);
    frameNoModeWarn_->setObjectName(QStringLiteral("frameNoModeWarn"));
    auto* warnLayout = new QVBoxLayout(frameNoModeWarn_);
    warnLayout->addWidget(new QLabel(QStringLiteral("Mode not available"), frameNoModeWarn_));
    warnLayout->addWidget(new QLabel(QStringLiteral("for this parameter"), frameNoModeWarn_));
    frameNoModeWarn_->hide();

    btnCopyToAll_->setObjectName(QStringLiteral("btnCopyToAll"));
    btnCopyToAll_->setToolTip(QStringLiteral("Copy the working data to all modes"));
    connect(btnCopyToAll_, &QPushButton::clicked, this, &ParamEditor::copyToAll);
    auto* copyLayout = new QVBoxLayout(copyModes_);
    copyLayout->addWidget(btnCopyToAll_);
    copyLayout->addWidget(copyModeArea_, 1);
    // The mode buttons stack one pitch apart at the top and as wide as "All modes".
    auto* copyStack = new QVBoxLayout(copyModeArea_);
    copyStack->setContentsMargins(0, 0, 0, 0);
    copyStack->setSpacing(0);
    copyStack->setAlignment(Qt::AlignTop);

    warningTimer_->setInterval(kWarningInterval);
    connect(warningTimer_, &QTimer::timeout, this, &ParamEditor::warningTick);

    // The window scrolls what the screen cannot hold, so Commit and OK stay reachable.
    auto* layout = new QGridLayout(content_);
    layout->addWidget(panels_[0], 0, 0);
    layout->addWidget(panels_[1], 0, 1);
    layout->addWidget(frameNoModeWarn_, 0, 0, 1, 2, Qt::AlignCenter);
    layout->addWidget(mimic_, 0, 2);
    layout->addWidget(modeTabs_, 1, 0, 1, 2);
    layout->addWidget(copyModes_, 1, 2, 2, 1);
    layout->addWidget(buildButtons(), 2, 0, 1, 2);

    for (const bool backwards : {false, true}) {
        auto* action = new QAction(backwards ? QStringLiteral("Previous problem") : QStringLiteral("Next problem"), this);
        action->setShortcut(backwards ? QKeySequence(Qt::SHIFT | Qt::Key_F8) : QKeySequence(Qt::Key_F8));
        connect(action, &QAction::triggered, this, [this, backwards] { goToProblem(backwards); });
        addAction(action);
    }
    costLabel_->setObjectName(QStringLiteral("lblCost"));
    layout->addWidget(costLabel_, 3, 0, 1, 3);
    costLabel_->hide();
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content_);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

void ParamEditor::setVisible(bool visible)
{
    // Sized when first shown, once the data has chosen the rows that show: the whole
    // content when the screen holds it.
    if (visible && !isVisible() && !testAttribute(Qt::WA_Resized)) ScreenFit::resize(*this, content_->sizeHint());
    QDialog::setVisible(visible);
}

ParamEditor::~ParamEditor() = default;

QWidget* ParamEditor::buildButtons()
{
    auto* area = new QWidget(this);
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const QString& caption, const QString& tip, int row, int column, auto slot) {
        auto* b = new QPushButton(caption, area);
        b->setToolTip(tip);
        connect(b, &QPushButton::clicked, this, slot);
        layout->addWidget(b, row, column);
        return b;
    };
    add(QStringLiteral("< Mode"), QStringLiteral("Go to mode tab on left"), 0, 0, [this] { stepMode(-1); });
    add(QStringLiteral("Mode >"), QStringLiteral("Go to mode tab on right"), 0, 1, [this] { stepMode(1); });
    stepBack_ = add(QStringLiteral("< Param"), QStringLiteral("Move to next parameter down"), 1, 0,
                    [this] { stepParameter(false); });
    stepForward_ = add(QStringLiteral("Param >"), QStringLiteral("Move to next parameter up"), 1, 1,
                       [this] { stepParameter(true); });
    add(QStringLiteral("< Menu"), QStringLiteral("Load last menu (takes a few seconds)"), 2, 0,
        [this] { ChangeMenu(-1); });
    add(QStringLiteral("Menu >"), QStringLiteral("Load next menu (takes a few seconds)"), 2, 1,
        [this] { ChangeMenu(1); });
    add(QStringLiteral("< Lang"), QStringLiteral("Load last language into reference data"), 3, 0,
        [this] { ChangeLang(-1); });
    add(QStringLiteral("Lang >"), QStringLiteral("Load next language into reference data"), 3, 1,
        [this] { ChangeLang(1); });

    auto* tools = new QGroupBox(QStringLiteral("Text tools"), area);
    auto* toolLayout = new QVBoxLayout(tools);
    const auto tool = [&](const QString& caption, const QString& tip, auto slot) {
        auto* b = new QPushButton(caption, tools);
        b->setToolTip(tip);
        connect(b, &QPushButton::clicked, this, slot);
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
    layout->addWidget(tools, 0, 2, 4, 1);

    add(QStringLiteral("Commit"), QStringLiteral("Save your latest change"), 0, 3, &ParamEditor::commit);
    QPushButton* okButton = add(QStringLiteral("OK"), QStringLiteral("Finished with editor"), 1, 3, &ParamEditor::ok);
    okButton->setAutoDefault(false);
    return area;
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
    panel(ParaEditSession::CustPanel).setEditable(true);
    panel(ParaEditSession::RefPanel).setEditable(false);
    run([this] { session_.loadModeData(); });
    showModeData();
    return true;
}

LcdtextboxHost& ParamEditor::box(Box b) const
{
    ParamPanel& p = panel(ParaEditSession::isCustom(b) ? ParaEditSession::CustPanel : ParaEditSession::RefPanel);
    return ParaEditSession::isHelp(b) ? p.help() : p.desc();
}

void ParamEditor::connectBox(Box b)
{
    LcdtextboxHost& host = box(b);
    if (host.widget()) host.widget()->installEventFilter(this);
    connect(&host, &LcdtextboxHost::Change, this, [this, b] { boxChanged(b); });
    if (ParaEditSession::isCustom(b))
        connect(&host, &LcdtextboxHost::Paste, this, [this, b] { readBackAndRefresh(b); });
    if (!ParaEditSession::isHelp(b)) connect(&host, &LcdtextboxHost::LineLimit, this, &ParamEditor::lineLimitReached);
}

bool ParamEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (Box b : kBoxes) {
            if (box(b).widget() != watched) continue;
            if (event->type() == QEvent::FocusIn) boxFocused(b);
            else if (leavesBox(*box(b).widget(), *static_cast<QFocusEvent*>(event))) boxLeft(b);
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool ParamEditor::leavesBox(const QWidget& boxWidget, const QFocusEvent& event)
{
    if (event.reason() == Qt::PopupFocusReason) return false;
    // The character map and the box's own messages are windows of the box itself.
    for (const QWidget* w = QApplication::activeWindow(); w; w = w->parentWidget()) {
        if (w == &boxWidget) return false;
    }
    return true;
}

void ParamEditor::boxFocused(Box b)
{
    // The focus coming back from the box's context menu or character map: the box was
    // never left, and giving it its text again would undo what they inserted.
    if (enteredBox_ == b) return;
    enteredBox_ = b;
    if (ParaEditSession::isCustom(b)) assign(b, session_.working(b));
    session_.setActiveBox(b);
    highlightActive(true);
    paintBoxes();
    if (ParaEditSession::isCustom(b)) showCost(b);
}

void ParamEditor::boxLeft(Box b)
{
    enteredBox_ = Box::None;
    readBackAndRefresh(b);
}

void ParamEditor::readBackAndRefresh(Box b)
{
    if (!ParaEditSession::isCustom(b)) return;
    readBackIfEdited(b);
    highlightActive(false);
    refresh();
}

void ParamEditor::boxChanged(Box b)
{
    if (assigning_) return;
    session_.markChanged(b);
    showCost(b);
    if (ParaEditSession::isHelp(b)) paintBoxes();
}

void ParamEditor::readBackIfEdited(Box b)
{
    const QString text = box(b).text();
    if (text == assigned_[slot(b)]) return;
    // The context menu's commands raise no Change, yet they are the user's edits.
    session_.readBack(b, toModel(text));
    session_.markChanged(b);
    assigned_[slot(b)] = text;
}

void ParamEditor::absorbEdits()
{
    readBackIfEdited(Box::CustDesc);
    readBackIfEdited(Box::CustHelp);
}

void ParamEditor::assign(Box b, const std::string& text)
{
    LcdtextboxHost& host = box(b);
    // Giving a box its own text again would only move its cursor back to the start.
    if (host.text() == toQt(text)) {
        assigned_[slot(b)] = host.text();
        return;
    }
    assigning_ = true;
    host.setText(toQt(text));
    assigning_ = false;
    assigned_[slot(b)] = host.text();
}

std::string ParamEditor::boxText(Box b) const
{
    return toModel(box(b).text());
}

void ParamEditor::lineLimitReached()
{
    QLabel* label = panel(ParaEditSession::CustPanel).label7();
    label->setStyleSheet(QStringLiteral("color: #FF0000;"));
    label->setText(QStringLiteral("2 lines maximum"));
    warningTicks_ = 0;
    warningTimer_->start();
}

void ParamEditor::warningTick()
{
    if (warningTicks_ > kWarningTicks) {
        QLabel* label = panel(ParaEditSession::CustPanel).label7();
        label->setStyleSheet(QString());
        // The caption of the kind being edited, so a trip's label comes back as a trip's.
        panel(ParaEditSession::CustPanel).setTripEditing(shownTripMode_);
        warningTimer_->stop();
    }
    ++warningTicks_;
}

bool ParamEditor::isWarningActive() const
{
    return warningTimer_->isActive();
}

void ParamEditor::setWarningInterval(int milliseconds)
{
    warningTimer_->setInterval(milliseconds);
}

bool ParamEditor::run(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const kpd::ModelError& error) {
        ui_.message(error.what(), "ERROR", kpd::MessageIcon::Critical);
        return false;
    }
}

void ParamEditor::commit()
{
    absorbEdits();
    if (run([this] { session_.commit(); })) emit committed();
    highlightActive(false);
    paintBoxes();
    showCurrentCost();
}

void ParamEditor::setCostEstimator(std::shared_ptr<const kpd::StringCostEstimator> estimator)
{
    estimator_ = std::move(estimator);
    costLabel_->setVisible(estimator_ != nullptr);
}

void ParamEditor::showCurrentCost()
{
    showCost(ParaEditSession::isCustom(session_.activeBox()) ? session_.activeBox() : Box::CustDesc);
}

void ParamEditor::showCost(Box b)
{
    if (!estimator_ || !hasData_ || !ParaEditSession::isCustom(b)) return;
    const bool help = ParaEditSession::isHelp(b);
    run([&] {
        const kpd::ModeData& stored = session_.modeData(ParaEditSession::CustPanel);
        const std::string& menuKey = session_.custMenu().menuKey();
        const std::string& paraKey = session_.custParam().paraKey();
        const auto now = estimator_->estimate(boxText(b), help, session_.unit(ParaEditSession::CustPanel), menuKey, paraKey);
        const auto before = estimator_->estimate(help ? stored.getHelp() : stored.getDesc(), help, stored.unit(),
                                                 menuKey, paraKey);
        const std::int64_t change = static_cast<std::int64_t>(now.bytes) - before.bytes;
        costLabel_->setText((help ? QStringLiteral("Help text: ") : QStringLiteral("Description: ")) +
                            QString::number(now.bytes) + QStringLiteral(" B") +
                            (now.shared ? QStringLiteral(", shared with another parameter") : QString()) +
                            QStringLiteral(" (") + (change > 0 ? QStringLiteral("+") : QString()) +
                            QString::number(change) + QStringLiteral(" B against the stored text)"));
    });
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
    absorbEdits();
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
    if (!keyMapPath_.isEmpty()) {
        QString path = keyMapPath_;
        panel(ParaEditSession::CustPanel).desc().saveMapping(path);
    }
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
    absorbEdits();
    const Box active = session_.activeBox();
    if (active == Box::None) return;
    run([this] { session_.undo(); });
    assign(active, session_.working(active));
    refresh();
    highlightActive(true);
}

void ParamEditor::toUpper()
{
    absorbEdits();
    session_.toUpper();
    refresh();
    highlightActive(session_.activeBox() != Box::None);
}

void ParamEditor::toLower()
{
    absorbEdits();
    session_.toLower();
    refresh();
    highlightActive(session_.activeBox() != Box::None);
}

void ParamEditor::underscoresToSpaces()
{
    absorbEdits();
    session_.underscoresToSpaces();
    refresh();
    highlightActive(session_.activeBox() != Box::None);
}

void ParamEditor::copyRefToCust()
{
    run([this] { session_.copyRefToCust(); });
    showModeData();
}

void ParamEditor::copyToMode(const QString& modeKey)
{
    absorbEdits();
    run([&] { session_.copyToMode(toModel(modeKey)); });
    highlightActive(false);
    paintBoxes();
}

void ParamEditor::copyToAll()
{
    absorbEdits();
    run([this] { session_.copyToAllModes(); });
    highlightActive(false);
    paintBoxes();
}

void ParamEditor::stepParameter(bool forward)
{
    absorbEdits();
    run([&] { session_.stepParameter(forward); });
    showModeData();
}

void ParamEditor::ChangeMenu(int direction)
{
    absorbEdits();
    run([&] { session_.changeMenu(direction); });
    applyEditingKind();
    RefreshTabs();
    showModeData();
}

void ParamEditor::ChangeLang(int direction)
{
    absorbEdits();
    run([&] { session_.changeLang(direction); });
    captionReferencePanel();
    showModeData();
}

void ParamEditor::stepMode(int direction)
{
    absorbEdits();
    run([&] { session_.stepMode(direction); });
    showModeData();
}

void ParamEditor::selectMode(int tabIndex)
{
    if (tabIndex < 0) return;
    absorbEdits();
    const std::string key = toModel(modeTabs_->tabData(tabIndex).toString());
    run([&] { session_.selectMode(key); });
    showModeData();
}

void ParamEditor::RefreshTabs()
{
    session_.setActiveBox(Box::None);
    highlightActive(false);
    session_.clearChanges();
    const QSignalBlocker blocker(modeTabs_);
    while (modeTabs_->count() > 0) modeTabs_->removeTab(0);
    for (const std::string& key : session_.modeKeys()) {
        const int index = modeTabs_->addTab(toQt(key));
        modeTabs_->setTabData(index, toQt(key));
    }
    modeTabs_->update();
}

void ParamEditor::displayCustom()
{
    session_.setMimicSource(ParaEditSession::Source::Custom);
    refresh();
}

void ParamEditor::displayReference()
{
    session_.setMimicSource(ParaEditSession::Source::Reference);
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
    for (ParamPanel* p : panels_) p->setTripEditing(shownTripMode_);
    stepBack_->setText(shownTripMode_ ? QStringLiteral("< Trip") : QStringLiteral("< Param"));
    stepForward_->setText(shownTripMode_ ? QStringLiteral("Trip >") : QStringLiteral("Param >"));
    setWindowTitle(shownTripMode_ ? QStringLiteral("Edit trip data")
                                  : QStringLiteral("Edit parameter data in menu ") +
                                        QString::number(session_.custMenu().menuNumber()));
}

void ParamEditor::captionReferencePanel()
{
    panel(ParaEditSession::RefPanel).setTitle(QStringLiteral("Reference data (") + toQt(session_.refKey()) +
                                              QLatin1Char(')'));
}

void ParamEditor::showModeData()
{
    bool available = false;
    run([&] { available = session_.modeAvailable(); });
    for (ParamPanel* p : panels_) p->setVisible(available);
    frameNoModeWarn_->setVisible(!available);
    {
        const QSignalBlocker blocker(modeTabs_);
        for (int i = 0; i < modeTabs_->count(); ++i) {
            if (modeTabs_->tabData(i).toString() == toQt(session_.modeKey())) modeTabs_->setCurrentIndex(i);
        }
    }
    run([this] {
        refresh();
        showUnits();
        layoutCopyButtons();
    });
}

void ParamEditor::refresh()
{
    const QString number = toQt(session_.paraNumberText());
    for (ParamPanel* p : panels_) p->paraNo()->setText(number);
    mimic_->parNum().setText(number);
    for (int index : {ParaEditSession::RefPanel, ParaEditSession::CustPanel}) {
        const auto p = static_cast<ParaEditSession::Panel>(index);
        panel(index).paraVal()->setText(toQt(session_.valueText(p)));
        panel(index).lLim()->setText(toQt(session_.limitText(p, ParaEditSession::Limit::Lower)));
        panel(index).uLim()->setText(toQt(session_.limitText(p, ParaEditSession::Limit::Upper)));
    }
    const auto source = session_.mimicSource() == ParaEditSession::Source::Custom ? ParaEditSession::CustPanel
                                                                                   : ParaEditSession::RefPanel;
    mimic_->parVal().setText(toQt(ParaEditSession::mimicValue(session_.valueText(source))));
    for (Box b : kBoxes) assign(b, session_.working(b));
    mimic_->desc().setText(toQt(session_.mimicText()));
    mimic_->setShowingHelp(session_.showHelp());
    paintBoxes();
    // Whatever brought other texts into the boxes, the figures are of the texts now shown.
    showCurrentCost();
}

void ParamEditor::showUnits()
{
    for (int index : {ParaEditSession::RefPanel, ParaEditSession::CustPanel})
        panel(index).showUnit(session_.unit(static_cast<ParaEditSession::Panel>(index)));
    mimic_->showUnitIcon(session_.unit(ParaEditSession::CustPanel));
}

void ParamEditor::paintBoxes()
{
    for (Box b : kBoxes) {
        const bool active = session_.activeBox() == b;
        QColor colour = active ? kActiveColour : kInactiveColour;
        if (ParaEditSession::isHelp(b) && session_.helpTooLong(boxText(b)))
            colour = active ? kLongActiveColour : kLongInactiveColour;
        ParamPanel::paintBox(box(b), colour);
    }
}

void ParamEditor::highlightActive(bool visible)
{
    const Box active = visible ? session_.activeBox() : Box::None;
    for (int index : {ParaEditSession::RefPanel, ParaEditSession::CustPanel}) {
        const LcdtextboxHost* shown = nullptr;
        if (active != Box::None && ParaEditSession::isCustom(active) == (index == ParaEditSession::CustPanel))
            shown = &box(active);
        panel(index).highlight(shown);
    }
}

void ParamEditor::layoutCopyButtons()
{
    qDeleteAll(copyModeArea_->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly));
    for (const std::string& key : session_.otherModeKeys()) {
        auto* b = new QPushButton(toQt(key), copyModeArea_);
        b->setObjectName(QStringLiteral("btnCopyMode"));
        b->setProperty("tag", toQt(key));
        b->setToolTip(QStringLiteral("Copy the working data to this mode"));
        b->setFixedHeight(kCopyButtonPitch);
        copyModeArea_->layout()->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, key] { copyToMode(toQt(key)); });
    }
}

QList<QPushButton*> ParamEditor::copyModeButtons() const
{
    return copyModeArea_->findChildren<QPushButton*>(QStringLiteral("btnCopyMode"), Qt::FindDirectChildrenOnly);
}

QPushButton* ParamEditor::button(const QString& caption) const
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == caption) return b;
    }
    return nullptr;
}
