#pragma once

#include <QDialog>

class CLcdtextboxPropPage;
namespace comrt {
class DispatchObject;
}

// The frame the properties verb opens: the control's property page on its tab with OK,
// Cancel and Apply.
class CLcdtextboxPropFrame : public QDialog {
    Q_OBJECT
public:
    CLcdtextboxPropFrame(comrt::DispatchObject* object, QWidget* parent);

    CLcdtextboxPropPage* page() const { return m_page; }

private:
    CLcdtextboxPropPage* m_page;
};
