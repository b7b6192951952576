#pragma once

#include "paraeditsession.h"

#include "checks/problemlist.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class LcdtextboxHost;
class ParamMimic;
class ParamPanel;
class QFocusEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTimer;

namespace kpd {
class StringCostEstimator;
class TheApp;
class UserInterface;
}

// The window in which the strings of one parameter (or trip) in one mode are edited:
// reference and custom panels side by side, a keypad mimic, and the steps through
// parameters, menus, languages and modes. Its logic lives in ParaEditSession; the
// window shows the session and feeds it the boxes' edits.
class ParamEditor : public QDialog {
    Q_OBJECT
public:
    using Box = ParaEditSession::Box;

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

    ParaEditSession& session() { return session_; }
    ParamPanel& panel(int index) const { return *panels_[static_cast<std::size_t>(index)]; }
    ParamMimic& mimic() const { return *mimic_; }
    LcdtextboxHost& box(Box box) const;
    QTabBar* modeTabs() const { return modeTabs_; }
    QFrame* noModeWarning() const { return frameNoModeWarn_; }
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
    QLabel* costLabel() const { return costLabel_; }

signals:
    // The custom set holds what was typed: analyses of the set are out of date.
    void committed();

public slots:
    void commit();
    void ok();
    void undo();
    void toUpper();
    void toLower();
    void underscoresToSpaces();
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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildButtons();
    void connectBox(Box box);
    void boxFocused(Box box);
    // Only a move to another widget of the editor, or out of the window, leaves a box.
    static bool leavesBox(const QWidget& boxWidget, const QFocusEvent& event);
    void boxLeft(Box box);
    void readBackAndRefresh(Box box);
    void boxChanged(Box box);
    void lineLimitReached();
    // An edit the box holds but has not handed back yet (it still has the focus).
    void absorbEdits();
    void readBackIfEdited(Box box);
    void assign(Box box, const std::string& text);
    std::string boxText(Box box) const;
    void applyEditingKind();
    void showModeData();
    void refresh();
    void showUnits();
    void paintBoxes();
    void highlightActive(bool visible);
    void layoutCopyButtons();
    void captionReferencePanel();
    void showCost(Box box);
    // The figures of the custom box being edited, or of the description when none is.
    void showCurrentCost();
    // The boundary of every command: a model error is reported, never thrown on.
    bool run(const std::function<void()>& command);

    kpd::UserInterface& ui_;
    QString keyMapPath_;
    ParaEditSession session_;
    std::array<ParamPanel*, 2> panels_{};
    ParamMimic* mimic_;
    QTabBar* modeTabs_;
    QFrame* frameNoModeWarn_;
    QGroupBox* copyModes_;
    QWidget* copyModeArea_;
    QPushButton* btnCopyToAll_;
    QPushButton* stepBack_;
    QPushButton* stepForward_;
    // Everything the window shows, inside its scroll area.
    QWidget* content_;
    QTimer* warningTimer_;
    QLabel* costLabel_;
    std::shared_ptr<const kpd::StringCostEstimator> estimator_;
    int warningTicks_ = 0;
    bool shownTripMode_ = false;
    bool hasData_ = false;
    kpd::TheApp* appData_ = nullptr;
    ProblemNavigator navigator_;
    // The box that has the focus, kept while its context menu or character map is open.
    Box enteredBox_ = Box::None;
    bool assigning_ = false;
    // What each box was last given, to tell the user's edits from the editor's own.
    std::array<QString, 4> assigned_;
};
