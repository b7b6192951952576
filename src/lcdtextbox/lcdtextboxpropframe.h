#pragma once

#include <QDialog>

class CLcdtextboxPropPage;
namespace comrt {
class DispatchObject;
}

// The frame the properties verb opens: the control's property page on its tab with OK,
// Cancel and Apply.
class LcdtextboxPropFrame : public QDialog {
    Q_OBJECT
public:
    LcdtextboxPropFrame(comrt::DispatchObject* object, QWidget* parent);

    CLcdtextboxPropPage* page() const { return m_page; }

private:
    CLcdtextboxPropPage* m_page;
};
