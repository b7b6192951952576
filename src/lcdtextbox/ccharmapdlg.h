#pragma once

#include "charmapgeometry.h"
#include "charmaplayout.h"
#include "ckeymap.h"
#include "keymappingflow.h"

#include <QByteArray>
#include <QColor>
#include <QDialog>
#include <QPoint>

#include <cstdint>
#include <optional>

class CharMapCanvas;
class QPainter;

// The character map: shows the 240 keypad glyphs, lets the user pick up to 16 of them
// to insert, and lets the user assign keyboard keys to keypad characters.
// The grid, the selection strip and the enlarged glyph are painted at fixed pixel
// positions of the 800 × 468 pixel form (see CharMapLayout and CharMapGeometry).
class CCharMapDlg : public QDialog {
    Q_OBJECT

public:
    enum Mode : int {
        EditMapping = 0,    // map keys to characters; nothing is inserted
        SingleInsert = 1,   // one pick closes the dialog
        MultipleInsert = 2, // up to 16 picks
        MapKey = 3,         // choose the character for a key that has none
    };
    static constexpr int maxSelection = CharMapGeometry::stripCells;
    static constexpr int gridColumns = CharMapGeometry::gridColumns;
    static constexpr int gridRows = CharMapGeometry::gridRows;

    // mappedColor is the background of cells whose character has a key; key is the
    // keyboard character that opened the dialog in MapKey mode. Without a key map, or
    // with a mode outside 0 … 3, exec() returns Rejected at once.
    CCharMapDlg(const QColor& mappedColor, int mode, CKeyMap* keyMap,
                std::optional<CKeyMap::Key> key = std::nullopt, QWidget* parent = nullptr);

    int exec() override;

    // The picked keypad bytes, in order (at most 16).
    QByteArray selection() const { return m_selection; }
    // The character last clicked, moved to or typed into the code field (initially 0x10).
    std::uint8_t currentChar() const { return m_current; }
    int mode() const { return m_mode; }
    // The text of the message line.
    QString message() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using MapEvent = KeyMappingFlow::Event;

    bool isMapping() const { return m_mode == EditMapping || m_mode == MapKey; }
    bool isSingle() const { return m_mode == SingleInsert || m_mode == MapKey; }
    bool awaitingKey() const { return isMapping() && m_mapFlow.state() == KeyMappingFlow::State::AwaitingKey; }
    bool usable() const;

    void buildControls();
    void paintCharacters(QPainter& painter);
    void applyMode();
    QString initialMessage() const;
    void setCurrent(int code);
    void refreshMappingInfo();
    void refillList();
    void pick();
    void pickAndClose();
    void mapEvent(MapEvent event, CKeyMap::Key code = 0);
    bool handleKey(QKeyEvent* event);
    void gridClick(QPoint pos);

    void addCharClicked();
    void clearKeypadMapClicked();
    void clearWindowsMapClicked();
    void clearSelectionClicked();
    void listSelectionChanged();

    QColor m_mappedColor;
    int m_mode;
    CKeyMap* m_keyMap;
    std::optional<CKeyMap::Key> m_key;

    std::uint8_t m_current = 0x10;
    QByteArray m_selection;
    KeyMappingFlow m_mapFlow;
    bool m_codeHasFocus = false;

    CharMapCanvas* m_canvas = nullptr;
    CharMapLayout m_ui;
};
