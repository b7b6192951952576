#include "lcdtextboxhost.h"

#include "comrt/comregistry.h"
#include "comrt/comruntime.h"

#include "lcdtextbox/lcdtextboxids.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QWidget>

#include <set>

namespace {

// Registry files for which registering the library beside the program was tried already,
// so a library that cannot register is not tried again for every control.
std::set<QString>& triedRegistries()
{
    static std::set<QString> tried;
    return tried;
}

} // namespace

comrt::Result LcdtextboxHost::ensureRegistered(const QString& programFolder)
{
    if (!comrt::ComRuntime::serverPath(lcdtextbox::ids::controlClass).isEmpty()) return comrt::result::ok;
    const QString registry = QFileInfo(comrt::ComRegistry::defaultPath()).absoluteFilePath();
    if (!triedRegistries().insert(registry).second) return comrt::result::classNotRegistered;
    const QString folder = programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    return comrt::ComRuntime::registerServer(QDir(folder).filePath(QString::fromLatin1(libraryFileName)));
}

LcdtextboxHost::LcdtextboxHost(QWidget* parent, const QString& programFolder)
    : QObject(parent)
{
    m_creationResult = ensureRegistered(programFolder);
    if (comrt::succeeded(m_creationResult))
        m_creationResult = comrt::ComRuntime::create(lcdtextbox::ids::controlClass, parent, m_object);
    if (m_object) m_object->advise(this);
    m_lastResult = m_creationResult;
}

LcdtextboxHost::~LcdtextboxHost()
{
    if (m_object) m_object->advise(nullptr);
}

QWidget* LcdtextboxHost::widget() const
{
    return m_object ? m_object->widget() : nullptr;
}

void LcdtextboxHost::fire(comrt::DispId event, const QVariantList& args)
{
    const QString word = args.value(0).toString();
    switch (event) {
    case lcdtextbox::dispid::eventChange:
        emit Change();
        if (!m_assigning) emit edited();
        break;
    case lcdtextbox::dispid::eventPaste: emit Paste(); break;
    case lcdtextbox::dispid::eventLineLimit: emit LineLimit(); break;
    case lcdtextbox::dispid::eventSuggestionsWanted: emit suggestionsWanted(word); break;
    case lcdtextbox::dispid::eventAddWord: emit addWord(word); break;
    case lcdtextbox::dispid::eventIgnoreWord: emit ignoreWord(word); break;
    default: break;
    }
}

void LcdtextboxHost::assignText(const QString& s)
{
    const QScopedValueRollback<bool> assigning(m_assigning, true);
    setText(s);
}

QVariant LcdtextboxHost::property(comrt::DispId id) const
{
    QVariant value;
    m_lastResult = m_object ? m_object->getProperty(id, value) : m_creationResult;
    return comrt::succeeded(m_lastResult) ? value : QVariant();
}

void LcdtextboxHost::set(comrt::DispId id, const QVariant& value)
{
    m_lastResult = m_object ? m_object->setProperty(id, value) : m_creationResult;
}

QVariant LcdtextboxHost::call(comrt::DispId id, QVariantList args)
{
    QVariant result;
    m_lastResult = m_object ? m_object->invoke(id, args, result) : m_creationResult;
    return comrt::succeeded(m_lastResult) ? result : QVariant();
}

QString LcdtextboxHost::invokeCharMap(qint16 mode)
{
    return call(lcdtextbox::dispid::invokeCharMap, {QVariant::fromValue(mode)}).toString();
}

bool LcdtextboxHost::mappingCall(comrt::DispId id, QString& filePathName)
{
    QVariantList args{filePathName};
    QVariant result;
    m_lastResult = m_object ? m_object->invoke(id, args, result) : m_creationResult;
    if (!comrt::succeeded(m_lastResult)) return false;
    filePathName = args.value(0).toString();
    return result.toBool();
}
