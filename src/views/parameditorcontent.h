#pragma once

#include "editbox.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class ParamEditor;
class ParamMimic;
class ParamPanel;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabBar;

// Everything the parameter editor shows, laid out for its scroll area: the two panels, the
// mimic, the mode tabs, the notice for a missing mode, the copy buttons, the steps and text
// tools, and the cost line. Its buttons call the editor's slots.
class ParamEditorContent : public QWidget {
    Q_OBJECT
public:
    using Panel = EditPanel;

    ParamEditorContent(ParamEditor& editor, const QString& programFolder, const QString& libraryFolder);

    ParamPanel& panel(Panel panel) const { return *panels_[static_cast<std::size_t>(panel)]; }
    ParamMimic& mimic() const { return *mimic_; }
    QTabBar* modeTabs() const { return modeTabs_; }
    QFrame* noModeWarning() const { return frameNoModeWarn_; }
    QLabel* costLabel() const { return costLabel_; }
    QList<QPushButton*> copyModeButtons() const;

    // One tab for each mode key, in order; the tab's key comes back from modeKeyAt.
    void setModeTabs(const std::vector<std::string>& modeKeys);
    std::string modeKeyAt(int tabIndex) const;
    // The mode's tab made current without choosing it again.
    void showModeTab(const std::string& modeKey);
    // One copy button for each mode key, in order.
    void showCopyModes(const std::vector<std::string>& modeKeys);
    // Panels and step buttons for trip or parameter editing.
    void setTripEditing(bool tripEditing);

private:
    QWidget* buildButtons();
    QGroupBox* buildTextTools(QWidget* parent);

    ParamEditor& editor_;
    std::array<ParamPanel*, 2> panels_{};
    ParamMimic* mimic_;
    QTabBar* modeTabs_;
    QFrame* frameNoModeWarn_;
    QGroupBox* copyModes_;
    QWidget* copyModeArea_;
    QPushButton* btnCopyToAll_;
    QPushButton* stepBack_ = nullptr;
    QPushButton* stepForward_ = nullptr;
    QLabel* costLabel_;
};
