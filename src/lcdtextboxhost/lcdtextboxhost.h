#pragma once

#include "comrt/dispatchobject.h"
#include "comrt/eventsink.h"

#include "lcdtextbox/lcdtextboxdispids.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

#include <memory>

class QWidget;

// The editor's handle on one keypad text box: creates the control through the component
// runtime by class identifier and talks to it by dispatch identifier alone, with typed
// properties and methods and the control's events as Qt signals. Every call records its
// result code in lastResult(); a getter that fails returns the type's zero value.
class LcdtextboxHost : public QObject, private comrt::EventSink {
    Q_OBJECT
    using DispId = comrt::DispId;

public:
    // The control's library as the build names it, looked for beside the program.
    static constexpr const char* libraryFileName = "liblcdtextbox.so";

    // Creates the control as a child of parent. When its class is not registered, the
    // library in programFolder is registered (once per registry file in a process) first.
    explicit LcdtextboxHost(QWidget* parent, const QString& programFolder = QString());
    ~LcdtextboxHost() override;

    bool isValid() const { return m_object != nullptr; }
    comrt::Result creationResult() const { return m_creationResult; }
    comrt::Result lastResult() const { return m_lastResult; }
    QWidget* widget() const;
    comrt::DispatchObject* object() const { return m_object.get(); }

    // Registers the library in programFolder unless the control's class is registered or
    // this was tried before for the current registry file.
    static comrt::Result ensureRegistered(const QString& programFolder);

    qint16 nCols() const { return int16Property(lcdtextbox::dispid::nCols); }
    void setNCols(qint16 n) { set(lcdtextbox::dispid::nCols, QVariant::fromValue(n)); }
    qint16 nRows() const { return int16Property(lcdtextbox::dispid::nRows); }
    void setNRows(qint16 n) { set(lcdtextbox::dispid::nRows, QVariant::fromValue(n)); }
    QColor EmptyCellColor() const { return property(lcdtextbox::dispid::EmptyCellColor).value<QColor>(); }
    void setEmptyCellColor(const QColor& c) { set(lcdtextbox::dispid::EmptyCellColor, c); }
    qint16 lineLimit() const { return int16Property(lcdtextbox::dispid::lineLimit); }
    void setLineLimit(qint16 n) { set(lcdtextbox::dispid::lineLimit, QVariant::fromValue(n)); }
    QString text() const { return property(lcdtextbox::dispid::text).toString(); }
    void setText(const QString& s) { set(lcdtextbox::dispid::text, s); }
    // The owner showing a text of its own: the control raises Change as for any text, but
    // no edited() follows, so the owner need not tell its assignments from typing.
    void assignText(const QString& s);
    qint16 nChars() const { return int16Property(lcdtextbox::dispid::nChars); }
    qint16 cursorPos() const { return int16Property(lcdtextbox::dispid::cursorPos); }
    void setCursorPos(qint16 n) { set(lcdtextbox::dispid::cursorPos, QVariant::fromValue(n)); }
    qint16 row() const { return int16Property(lcdtextbox::dispid::row); }
    qint16 col() const { return int16Property(lcdtextbox::dispid::col); }
    qint16 nCells() const { return int16Property(lcdtextbox::dispid::nCells); }
    qint16 maxCell() const { return int16Property(lcdtextbox::dispid::maxCell); }
    QString convertString() const { return property(lcdtextbox::dispid::convertString).toString(); }
    void setConvertString(const QString& s) { set(lcdtextbox::dispid::convertString, s); }
    qint16 PresentRow() const { return int16Property(lcdtextbox::dispid::PresentRow); }
    void setPresentRow(qint16 n) { set(lcdtextbox::dispid::PresentRow, QVariant::fromValue(n)); }
    qint16 MaxRow() const { return int16Property(lcdtextbox::dispid::MaxRow); }
    QColor ForeColor() const { return property(comrt::dispid::foreColor).value<QColor>(); }
    void setForeColor(const QColor& c) { set(comrt::dispid::foreColor, c); }
    QFont Font() const { return property(comrt::dispid::font).value<QFont>(); }
    void setFont(const QFont& f) { set(comrt::dispid::font, f); }
    QColor BackColor() const { return property(comrt::dispid::backColor).value<QColor>(); }
    void setBackColor(const QColor& c) { set(comrt::dispid::backColor, c); }
    qint16 BorderStyle() const { return int16Property(comrt::dispid::borderStyle); }
    void setBorderStyle(qint16 n) { set(comrt::dispid::borderStyle, QVariant::fromValue(n)); }
    bool Enabled() const { return property(comrt::dispid::enabled).toBool(); }
    void setEnabled(bool on) { set(comrt::dispid::enabled, on); }

    bool spellCheck() const { return property(lcdtextbox::dispid::spellCheck).toBool(); }
    void setSpellCheck(bool on) { set(lcdtextbox::dispid::spellCheck, on); }
    QString misspelledWords() const { return property(lcdtextbox::dispid::misspelledWords).toString(); }
    void setMisspelledWords(const QString& s) { set(lcdtextbox::dispid::misspelledWords, s); }
    // Answers suggestionsWanted, while the control waits for it.
    void setSpellingSuggestions(const QString& s) { set(lcdtextbox::dispid::spellingSuggestions, s); }

    void scrollUp() { call(lcdtextbox::dispid::scrollUp); }
    void scrollDown() { call(lcdtextbox::dispid::scrollDown); }
    void cut() { call(lcdtextbox::dispid::cut); }
    void paste() { call(lcdtextbox::dispid::paste); }
    void copy() { call(lcdtextbox::dispid::copy); }
    void del() { call(lcdtextbox::dispid::del); }
    QString invokeCharMap(qint16 mode);
    // The path goes by reference, as the control declares it; the caller's string is
    // updated with whatever comes back.
    bool saveMapping(QString& filePathName) { return mappingCall(lcdtextbox::dispid::saveMapping, filePathName); }
    bool loadMapping(QString& filePathName) { return mappingCall(lcdtextbox::dispid::loadMapping, filePathName); }
    void clear() { call(lcdtextbox::dispid::clear); }
    qint32 StripTrailingSpaces() { return call(lcdtextbox::dispid::StripTrailingSpaces).toInt(); }
    void Refresh() { call(comrt::dispid::refresh); }

signals:
    void Change();
    // A Change that no assignText caused: typing, the context menu, the character map, a
    // paste, or a caller setting text.
    void edited();
    // The control's `paste` event, raised at the end of every paste.
    void Paste();
    void LineLimit();
    // The context menu opens over a marked word: answer with setSpellingSuggestions.
    void suggestionsWanted(const QString& word);
    void addWord(const QString& word);
    void ignoreWord(const QString& word);

private:
    void fire(comrt::DispId event, const QVariantList& args) override;
    QVariant property(comrt::DispId id) const;
    qint16 int16Property(comrt::DispId id) const { return static_cast<qint16>(property(id).toInt()); }
    void set(comrt::DispId id, const QVariant& value);
    QVariant call(comrt::DispId id, QVariantList args = {});
    bool mappingCall(comrt::DispId id, QString& filePathName);

    std::unique_ptr<comrt::DispatchObject> m_object;
    comrt::Result m_creationResult = comrt::result::ok;
    mutable comrt::Result m_lastResult = comrt::result::ok;
    bool m_assigning = false;
};
