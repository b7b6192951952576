#include "clcdtextboxproppage.h"

#include "charmaplayout.h"
#include "lcdprompts.h"
#include "lcdtextboxdispids.h"
#include "lcdtextboxmodule.h"

#include "comrt/dispatchobject.h"

#include <QLabel>
#include <QLineEdit>

namespace {

namespace result = comrt::result;
using comrt::succeeded;

constexpr int initialRows = 2;
constexpr int initialCols = 16;

QLineEdit* addField(QWidget* page, const QString& caption, const QString& name, int top, int value)
{
    auto* label = new QLabel(caption, page);
    label->setGeometry(CharMapLayout::dlu(12, top + 2, 50, 8));
    auto* field = new QLineEdit(QString::number(value), page);
    field->setObjectName(name);
    field->setGeometry(CharMapLayout::dlu(64, top, 40, 12));
    label->setBuddy(field);
    return field;
}

} // namespace

CLcdtextboxPropPage::CLcdtextboxPropPage(QWidget* parent)
    : QWidget(parent)
{
    LcdtextboxModule::instance().objectCreated();
    // The same dialog units as the character map.
    setFixedSize(CharMapLayout::dlu(0, 0, 250, 62).size());
    m_rows = addField(this, QStringLiteral("N Rows"), QStringLiteral("txtRows"), 14, initialRows);
    m_cols = addField(this, QStringLiteral("N Cols"), QStringLiteral("txtCols"), 34, initialCols);
}

CLcdtextboxPropPage::~CLcdtextboxPropPage()
{
    LcdtextboxModule::instance().objectDestroyed();
}

QString CLcdtextboxPropPage::title() const
{
    return QStringLiteral("General");
}

comrt::Result CLcdtextboxPropPage::setObject(comrt::DispatchObject* object)
{
    m_object = object;
    if (!object) return result::ok;
    QVariant rows;
    QVariant cols;
    comrt::Result r = object->getProperty(lcdtextbox::dispid::nRows, rows);
    if (succeeded(r)) r = object->getProperty(lcdtextbox::dispid::nCols, cols);
    if (!succeeded(r)) return r;
    m_rows->setText(QString::number(rows.toInt()));
    m_cols->setText(QString::number(cols.toInt()));
    return result::ok;
}

std::optional<int> CLcdtextboxPropPage::checkedValue(QLineEdit* field)
{
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok);
    if (ok && value >= minimum && value <= maximum) return value;
    lcd::prompter().message(this, QStringLiteral("Please enter an integer between %1 and %2.").arg(minimum).arg(maximum),
                            QString(), QMessageBox::Warning, QMessageBox::Ok);
    field->setFocus();
    field->selectAll();
    return std::nullopt;
}

comrt::Result CLcdtextboxPropPage::apply()
{
    const std::optional<int> rows = checkedValue(m_rows);
    if (!rows) return result::invalidPropertyValue;
    const std::optional<int> cols = checkedValue(m_cols);
    if (!cols) return result::invalidPropertyValue;
    if (!m_object) return result::ok;
    const comrt::Result r = m_object->setProperty(lcdtextbox::dispid::nRows, *rows);
    if (!succeeded(r)) return r;
    return m_object->setProperty(lcdtextbox::dispid::nCols, *cols);
}
