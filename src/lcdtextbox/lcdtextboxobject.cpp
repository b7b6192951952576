#include "lcdtextboxobject.h"

#include "clcdtextboxctrl.h"
#include "lcdtextboxdispids.h"
#include "lcdtextboxids.h"
#include "lcdtextboxmodule.h"
#include "lcdtextboxpropframe.h"
#include "lcdtextboxtypelib.h"

#include "comrt/eventsink.h"

#include <QApplication>
#include <QDataStream>
#include <QFont>

#include <algorithm>
#include <limits>

namespace {

namespace result = comrt::result;
using comrt::succeeded;
namespace dispid = lcdtextbox::dispid;

// Qt's own stream format for colours and fonts is pinned, so saved state reads back
// whatever Qt version loads it.
constexpr int streamVersion = QDataStream::Qt_6_0;

// Numbers, and strings holding numbers, convert as late-bound callers expect.
comrt::Result toInt16(const QVariant& value, qint16& out)
{
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok) return result::typeMismatch;
    if (n < std::numeric_limits<qint16>::min() || n > std::numeric_limits<qint16>::max())
        return result::overflow;
    out = static_cast<qint16>(n);
    return result::ok;
}

// A colour is a QColor, or a number 0xRRGGBB.
comrt::Result toColor(const QVariant& value, QColor& out)
{
    if (value.metaType() == QMetaType::fromType<QColor>()) {
        out = value.value<QColor>();
        return out.isValid() ? result::ok : result::invalidPropertyValue;
    }
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok) return result::typeMismatch;
    if (n < 0 || n > 0xFFFFFF) return result::invalidPropertyValue;
    out = QColor::fromRgb(static_cast<QRgb>(n));
    return result::ok;
}

comrt::Result toString(const QVariant& value, QString& out)
{
    if (!value.canConvert<QString>()) return result::typeMismatch;
    out = value.toString();
    return result::ok;
}

QVariant int16(qint16 n)
{
    return QVariant::fromValue(n);
}

// Counts that the 16-bit properties cannot hold (256 × 256 cells, texts up to 65,535
// bytes) report the largest value rather than wrap round to a negative or zero count.
QVariant count16(int n)
{
    return int16(static_cast<qint16>(std::min(n, int{std::numeric_limits<qint16>::max()})));
}

// Stream state goes back to the host as it was, whatever happens here.
class StreamVersionGuard {
public:
    explicit StreamVersionGuard(QDataStream& stream)
        : m_stream(stream)
        , m_version(stream.version())
    {
        stream.setVersion(streamVersion);
    }
    ~StreamVersionGuard() { m_stream.setVersion(m_version); }
    StreamVersionGuard(const StreamVersionGuard&) = delete;
    StreamVersionGuard& operator=(const StreamVersionGuard&) = delete;

private:
    QDataStream& m_stream;
    int m_version;
};

} // namespace

LcdtextboxObject::LcdtextboxObject(QWidget* parent)
    : m_ctrl(new CLcdtextboxCtrl(parent))
{
    LcdtextboxModule::instance().objectCreated();
    connect(m_ctrl, &CLcdtextboxCtrl::Change, this, [this] { fire(dispid::eventChange); });
    connect(m_ctrl, &CLcdtextboxCtrl::Paste, this, [this] { fire(dispid::eventPaste); });
    connect(m_ctrl, &CLcdtextboxCtrl::LineLimit, this, [this] { fire(dispid::eventLineLimit); });
    connect(m_ctrl, &CLcdtextboxCtrl::SuggestionsWanted, this,
            [this](const QString& word) { fire(dispid::eventSuggestionsWanted, {word}); });
    connect(m_ctrl, &CLcdtextboxCtrl::AddWord, this,
            [this](const QString& word) { fire(dispid::eventAddWord, {word}); });
    connect(m_ctrl, &CLcdtextboxCtrl::IgnoreWord, this,
            [this](const QString& word) { fire(dispid::eventIgnoreWord, {word}); });
}

LcdtextboxObject::~LcdtextboxObject()
{
    delete m_ctrl.data();
    LcdtextboxModule::instance().objectDestroyed();
}

const comrt::TypeLibrary& LcdtextboxObject::typeLibrary() const
{
    return LcdtextboxTypeLib::library();
}

QUuid LcdtextboxObject::classId() const
{
    return lcdtextbox::ids::controlClass;
}

QWidget* LcdtextboxObject::widget()
{
    return m_ctrl.data();
}

comrt::Result LcdtextboxObject::getProperty(comrt::DispId id, QVariant& value)
{
    if (!m_ctrl) return result::disconnected;
    CLcdtextboxCtrl& c = *m_ctrl;
    switch (id) {
    case comrt::dispid::value:
    case dispid::text: value = c.text(); return result::ok;
    case dispid::nCols: value = int16(c.nCols()); return result::ok;
    case dispid::nRows: value = int16(c.nRows()); return result::ok;
    case dispid::EmptyCellColor: value = c.EmptyCellColor(); return result::ok;
    case dispid::lineLimit: value = int16(c.lineLimit()); return result::ok;
    case dispid::nChars: value = count16(c.model().length()); return result::ok;
    case dispid::cursorPos: value = int16(c.cursorPos()); return result::ok;
    case dispid::row: value = int16(c.row()); return result::ok;
    case dispid::col: value = int16(c.col()); return result::ok;
    case dispid::nCells: value = count16(c.model().cellCount()); return result::ok;
    case dispid::maxCell: value = count16(c.model().length()); return result::ok;
    case dispid::convertString: value = c.convertString(); return result::ok;
    case dispid::PresentRow: value = int16(c.PresentRow()); return result::ok;
    case dispid::MaxRow: value = int16(c.MaxRow()); return result::ok;
    case dispid::spellCheck: value = c.spellCheck(); return result::ok;
    case dispid::misspelledWords: value = c.misspelledWords(); return result::ok;
    case dispid::spellingSuggestions: value = c.spellingSuggestions(); return result::ok;
    default: return getStock(id, value);
    }
}

comrt::Result LcdtextboxObject::getStock(comrt::DispId id, QVariant& value) const
{
    const CLcdtextboxCtrl& c = *m_ctrl;
    switch (id) {
    case comrt::dispid::foreColor: value = c.ForeColor(); return result::ok;
    case comrt::dispid::backColor: value = c.BackColor(); return result::ok;
    case comrt::dispid::font: value = c.font(); return result::ok;
    case comrt::dispid::borderStyle: value = int16(c.BorderStyle()); return result::ok;
    case comrt::dispid::enabled: value = c.isEnabled(); return result::ok;
    default: return result::memberNotFound;
    }
}

comrt::Result LcdtextboxObject::setProperty(comrt::DispId id, const QVariant& value)
{
    if (!m_ctrl) return result::disconnected;
    const comrt::TypeInfo* type = dispatchInterface();
    const comrt::MemberInfo* member = type ? type->member(id) : nullptr;
    if (id == comrt::dispid::value) member = type ? type->member(dispid::text) : nullptr;
    if (!member || member->kind != comrt::MemberInfo::Property) return result::memberNotFound;
    if (member->readOnly) return result::propertyReadOnly;
    return member->id < 0 ? setStock(member->id, value) : setCustom(member->id, value);
}

comrt::Result LcdtextboxObject::setCustom(comrt::DispId id, const QVariant& value)
{
    CLcdtextboxCtrl& c = *m_ctrl;
    qint16 n = 0;
    QString s;
    QColor colour;
    comrt::Result r = result::ok;
    switch (id) {
    case dispid::nCols:
        if (succeeded(r = toInt16(value, n))) c.setNCols(n);
        break;
    case dispid::nRows:
        if (succeeded(r = toInt16(value, n))) c.setNRows(n);
        break;
    case dispid::EmptyCellColor:
        if (succeeded(r = toColor(value, colour))) c.setEmptyCellColor(colour);
        break;
    case dispid::lineLimit:
        if (succeeded(r = toInt16(value, n))) c.setLineLimit(n);
        break;
    case dispid::text:
        if (succeeded(r = toString(value, s))) c.setText(s);
        return r;
    case dispid::cursorPos:
        if (succeeded(r = toInt16(value, n))) c.setCursorPos(n);
        return r;
    case dispid::convertString:
        if (succeeded(r = toString(value, s))) c.setConvertString(s);
        return r;
    case dispid::PresentRow:
        if (succeeded(r = toInt16(value, n))) c.setPresentRow(n);
        return r;
    case dispid::spellCheck: c.setSpellCheck(value.toBool()); return r;
    case dispid::misspelledWords:
        if (succeeded(r = toString(value, s))) c.setMisspelledWords(s);
        return r;
    case dispid::spellingSuggestions:
        if (succeeded(r = toString(value, s))) c.setSpellingSuggestions(s);
        return r;
    default:
        return result::memberNotFound;
    }
    if (succeeded(r)) m_dirty = true;
    return r;
}

comrt::Result LcdtextboxObject::setStock(comrt::DispId id, const QVariant& value)
{
    CLcdtextboxCtrl& c = *m_ctrl;
    QColor colour;
    qint16 n = 0;
    comrt::Result r = result::ok;
    switch (id) {
    case comrt::dispid::foreColor:
        if (succeeded(r = toColor(value, colour))) c.setForeColor(colour);
        break;
    case comrt::dispid::backColor:
        if (succeeded(r = toColor(value, colour))) c.setBackColor(colour);
        break;
    case comrt::dispid::font:
        if (value.metaType() != QMetaType::fromType<QFont>()) return result::typeMismatch;
        c.setFont(value.value<QFont>());
        break;
    case comrt::dispid::borderStyle:
        // Only "none" (0) and "fixed single" (1) exist.
        if (succeeded(r = toInt16(value, n)) && n != 0 && n != 1) r = result::invalidPropertyValue;
        if (succeeded(r)) c.setBorderStyle(n);
        break;
    case comrt::dispid::enabled:
        if (!value.canConvert<bool>()) return result::typeMismatch;
        c.setEnabled(value.toBool());
        c.update();
        break;
    default:
        return result::memberNotFound;
    }
    if (succeeded(r)) m_dirty = true;
    return r;
}

comrt::Result LcdtextboxObject::invoke(comrt::DispId id, QVariantList& args, QVariant& value)
{
    if (!m_ctrl) return result::disconnected;
    const comrt::TypeInfo* type = dispatchInterface();
    const comrt::MemberInfo* member = type ? type->member(id) : nullptr;
    if (!member || member->kind != comrt::MemberInfo::Method) return result::memberNotFound;
    if (args.size() != static_cast<qsizetype>(member->params.size())) return result::badParamCount;
    CLcdtextboxCtrl& c = *m_ctrl;
    value = QVariant();
    qint16 mode = 0;
    QString path;
    comrt::Result r = result::ok;
    switch (id) {
    case dispid::scrollUp: c.scrollUp(); break;
    case dispid::scrollDown: c.scrollDown(); break;
    case dispid::cut: c.cut(); break;
    case dispid::paste: c.paste(); break;
    case dispid::copy: c.copy(); break;
    case dispid::del: c.del(); break;
    case dispid::clear: c.clear(); break;
    case dispid::invokeCharMap:
        if (succeeded(r = toInt16(args[0], mode))) value = c.invokeCharMap(mode);
        break;
    case dispid::saveMapping:
        if (succeeded(r = toString(args[0], path))) value = c.saveMapping(path);
        break;
    case dispid::loadMapping:
        if (succeeded(r = toString(args[0], path))) value = c.loadMapping(path);
        break;
    case dispid::StripTrailingSpaces: value = QVariant::fromValue(c.StripTrailingSpaces()); break;
    case comrt::dispid::refresh: c.Refresh(); break;
    default: return result::memberNotFound;
    }
    c.update();
    return r;
}

comrt::Result LcdtextboxObject::advise(comrt::EventSink* sink)
{
    m_sink = sink;
    return result::ok;
}

void LcdtextboxObject::fire(comrt::DispId event, const QVariantList& args)
{
    if (m_sink) m_sink->fire(event, args);
}

comrt::Result LcdtextboxObject::save(QDataStream& out)
{
    if (!m_ctrl) return result::disconnected;
    const StreamVersionGuard guard(out);
    out << versionMajor << versionMinor << qint32(m_ctrl->width()) << qint32(m_ctrl->height())
        << m_ctrl->ForeColor() << m_ctrl->BackColor() << m_ctrl->font() << m_ctrl->BorderStyle()
        << m_ctrl->isEnabled();
    if (out.status() != QDataStream::Ok) return result::fail;
    m_dirty = false;
    return result::ok;
}

comrt::Result LcdtextboxObject::load(QDataStream& in)
{
    if (!m_ctrl) return result::disconnected;
    const StreamVersionGuard guard(in);
    quint16 major = 0;
    quint16 minor = 0;
    qint32 width = 0;
    qint32 height = 0;
    QColor fore;
    QColor back;
    QFont font;
    qint16 border = 0;
    bool enabled = true;
    in >> major >> minor;
    // A later major version may mean anything; the control keeps its state rather than
    // misread it.
    if (in.status() != QDataStream::Ok || major != versionMajor) return result::fail;
    in >> width >> height >> fore >> back >> font >> border >> enabled;
    if (in.status() != QDataStream::Ok || width < 0 || height < 0 || (border != 0 && border != 1))
        return result::fail;
    m_ctrl->resize(width, height);
    m_ctrl->setForeColor(fore);
    m_ctrl->setBackColor(back);
    m_ctrl->setFont(font);
    m_ctrl->setBorderStyle(border);
    m_ctrl->setEnabled(enabled);
    m_dirty = false;
    return result::ok;
}

comrt::Result LcdtextboxObject::initNew()
{
    if (!m_ctrl) return result::disconnected;
    const QPalette palette = QApplication::palette(m_ctrl);
    m_ctrl->setForeColor(palette.color(QPalette::WindowText));
    m_ctrl->setBackColor(palette.color(QPalette::Window));
    m_ctrl->setFont(QApplication::font(m_ctrl));
    m_ctrl->setBorderStyle(0);
    m_ctrl->setEnabled(true);
    m_dirty = false;
    return result::ok;
}

comrt::Result LcdtextboxObject::doVerb(int verb)
{
    if (!m_ctrl) return result::disconnected;
    if (verb != comrt::propertiesVerb) return result::notImplemented;
    LcdtextboxPropFrame frame(this, m_ctrl);
    frame.exec();
    return result::ok;
}
