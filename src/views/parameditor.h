#pragma once

#include "parameditsession.h"

#include "checks/problemlist.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class CostText;
class EditBoxes;
class KeyMapFile;
class LcdtextboxHost;
class LineLimitWarning;
class ParamEditorContent;
class ParamMimic;
class ParamPanel;
class QFrame;
class QLabel;
class QPushButton;
class QTabBar;

namespace kpd {
class StringCostEstimator;
class TheApp;
class UserInterface;
}

// The window in which the strings of one parameter (or trip) in one mode are edited:
// reference and custom panels side by side, a keypad mimic, and the steps through
// parameters, menus, languages and modes. Its logic lives in ParamEditSession; the
// window shows the session and feeds it the boxes' edits.
class ParamEditor : public QDialog {
    Q_OBJECT
public:
    using Box = ParamEditSession::Box;
    using Panel = ParamEditSession::Panel;

    // The key map "keymap.kpm" of programFolder is loaded here and saved when the
    // window closes; the unit icons come from there too. The keypad text box library is
    // registered from libraryFolder when it must be (empty: beside the program).
    ParamEditor(kpd::UserInterface& ui, const QString& programFolder, QWidget* parent = nullptr,
                const QString& libraryFolder = QString());
    ~ParamEditor() override;

    // False (the error reported) when the data lacks the keys: the editor must not be shown.
    bool setMyData(kpd::TheApp& appData, const std::string& aMenuKey, const std::string& aParakey,
                   const std::string& modeKey = {}, bool tripMode = false);

    void ChangeMenu(int direction);
    void ChangeLang(int direction);
    void RefreshTabs();

    ParamEditSession& session() { return session_; }
    ParamPanel& panel(Panel panel) const;
    ParamMimic& mimic() const;
    LcdtextboxHost& box(Box box) const;
    QTabBar* modeTabs() const;
    QFrame* noModeWarning() const;
    QList<QPushButton*> copyModeButtons() const;
    QPushButton* button(const QString& caption) const;
    bool isWarningActive() const;
    // The warning's period; tests shorten it or drive warningTick() themselves.
    void setWarningInterval(int milliseconds);
    // Where "Next problem" (F8) and "Previous problem" (Shift+F8) lead from the parameter and
    // mode shown; nothing leaves the editor where it is.
    using ProblemNavigator =
        std::function<std::optional<kpd::ProblemList::Location>(const kpd::ProblemList::Location& from, bool backwards)>;
    void setProblemNavigator(ProblemNavigator navigator) { navigator_ = std::move(navigator); }
    // What the custom text being typed would cost in the image; without one no figure shows.
    void setCostEstimator(std::shared_ptr<const kpd::StringCostEstimator> estimator);
    QLabel* costLabel() const;

signals:
    // The custom set holds what was typed: analyses of the set are out of date.
    void committed();
    // "Add to glossary" with the text selected in a reference or a custom box.
    void glossaryTermRequested(const QString& text, bool reference);

public slots:
    void commit();
    void ok();
    void undo();
    void toUpper();
    void toLower();
    void underscoresToSpaces();
    void addToGlossary();
    void copyRefToCust();
    void copyToMode(const QString& modeKey);
    void copyToAll();
    void stepParameter(bool forward);
    void stepMode(int direction);
    void selectMode(int tabIndex);
    void displayCustom();
    void displayReference();
    void toggleShowHelp();
    void warningTick();
    // Commits, as any step to another parameter does, and shows the next problem's place.
    void goToProblem(bool backwards);

    void done(int result) override;
    void setVisible(bool visible) override;
    // Closing the window: typing not yet committed is offered for Commit first.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void wireUnits();
    void boxEntered(Box box);
    // A text tool's conversion, shown in the active box.
    void convertActive(void (ParamEditSession::*convert)());
    void applyEditingKind();
    void showModeData();
    void refresh();
    void showUnits();
    void captionReferencePanel();
    void showCost(Box box);
    // The figures of the custom box being edited, or of the description when none is.
    void showCurrentCost();
    // The boundary of every command: a model error is reported, never thrown on.
    bool run(const std::function<void()>& command);

    kpd::UserInterface& ui_;
    ParamEditSession session_;
    // Everything the window shows, inside its scroll area.
    ParamEditorContent* content_;
    EditBoxes* boxes_;
    LineLimitWarning* warning_;
    std::unique_ptr<CostText> cost_;
    std::unique_ptr<KeyMapFile> keyMap_;
    bool shownTripMode_ = false;
    bool hasData_ = false;
    kpd::TheApp* appData_ = nullptr;
    ProblemNavigator navigator_;
};
