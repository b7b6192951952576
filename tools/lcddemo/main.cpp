// A window of keypad text boxes to try the control by hand: a two-line description box
// limited to two lines, and a six-line help box.
#include "lcdtextbox/clcdtextboxctrl.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QWidget>

namespace {

CLcdtextboxCtrl* addBox(QFormLayout* form, const QString& caption, qint16 rows, qint16 lineLimit,
                        const QString& text)
{
    auto* box = new CLcdtextboxCtrl;
    box->setNCols(16);
    box->setNRows(rows);
    box->setLineLimit(lineLimit);
    box->setFixedSize(16 * 18 + 2, rows * 27 + 2);
    box->setText(text);
    form->addRow(caption, box);
    return box;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Keypad text boxes"));
    auto* form = new QFormLayout(&window);
    auto* status = new QLabel;

    CLcdtextboxCtrl* description =
        addBox(form, QStringLiteral("Description (2 × 16, two lines at most)"), 2, 2,
               QStringLiteral("Motor speed~MSet point ~x1a 50~xb0"));
    addBox(form, QStringLiteral("Help (6 × 16)"), 6, 0,
           QStringLiteral("Sets the speed the~Mdrive runs at when~Mno other reference~Mis selected.~M~M~x18~x19 scroll"));
    CLcdtextboxCtrl* disabled = addBox(form, QStringLiteral("Disabled"), 2, 0, QStringLiteral("Read only~Mtext"));
    disabled->setEnabled(false);
    form->addRow(status);

    QObject::connect(description, &CLcdtextboxCtrl::LineLimit, status,
                     [status] { status->setText(QStringLiteral("Line limit reached")); });
    QObject::connect(description, &CLcdtextboxCtrl::Change, status,
                     [status, description] { status->setText(description->text()); });

    window.show();
    return app.exec();
}
