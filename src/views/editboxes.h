#pragma once

#include "parameditsession.h"

#include <QObject>
#include <QString>

#include <array>
#include <string>

class LcdtextboxHost;
class ParamPanel;
class QFocusEvent;

// The four keypad text boxes of the editor's panels as the session sees them: which one the
// user is in, what each was last given, and their colours and highlight. The texts the
// editor assigns never count as edits; only what the user did reaches the session.
class EditBoxes : public QObject {
    Q_OBJECT
public:
    using Box = ParamEditSession::Box;
    static constexpr std::array<Box, 4> kAll{Box::RefDesc, Box::RefHelp, Box::CustDesc, Box::CustHelp};

    EditBoxes(ParamEditSession& session, ParamPanel& reference, ParamPanel& custom, QObject* parent = nullptr);

    LcdtextboxHost& box(Box box) const;
    std::string text(Box box) const;
    void assign(Box box, const std::string& text);
    // Every box given its working string.
    void assignWorking();
    // An edit a custom box holds but has not handed back yet (it still has the focus).
    void absorbEdits();
    // Active white, others grey; a help too long for the keypad tinted red.
    void paint();
    void highlightActive(bool visible);

signals:
    // The user entered a box from outside it.
    void entered(Box box);
    void edited(Box box);
    // A custom box's text became its working string (focus left, or a paste): the display
    // must follow.
    void handedBack(Box box);
    void lineLimitReached();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectBox(Box box);
    void boxFocused(Box box);
    void handBack(Box box);
    void readBackIfEdited(Box box);
    // Only a move to another widget of the editor, or out of the window, leaves a box.
    static bool leavesBox(const QWidget& boxWidget, const QFocusEvent& event);
    static std::size_t slot(Box box) { return static_cast<std::size_t>(box) - 1; }

    ParamEditSession& session_;
    ParamPanel& reference_;
    ParamPanel& custom_;
    // The box that has the focus, kept while its context menu or character map is open.
    Box enteredBox_ = Box::None;
    // What each box was last given: the context menu's commands raise no Change, so a
    // difference from it is an edit too.
    std::array<QString, 4> assigned_;
};
