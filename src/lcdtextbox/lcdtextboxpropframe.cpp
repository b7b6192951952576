#include "lcdtextboxpropframe.h"

#include "clcdtextboxproppage.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

LcdtextboxPropFrame::LcdtextboxPropFrame(comrt::DispatchObject* object, QWidget* parent)
    : QDialog(parent)
    , m_page(new CLcdtextboxPropPage)
{
    setWindowTitle(QStringLiteral("Lcdtextbox Control Properties"));
    m_page->setObject(object);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(m_page, m_page->title());
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (comrt::succeeded(m_page->apply())) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, [this] { m_page->apply(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}
