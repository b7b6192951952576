#include "stripspace.h"

#include "stripspacerun.h"

#include "checks/keypadtextlayout.h"
#include "lcdtextboxhost/lcdtextboxhost.h"
#include "model/userinterface.h"
#include "modeltext/modeltext.h"

#include <QPushButton>

#include <algorithm>

namespace {

// 15 twips are one pixel at 96 dots per inch.
constexpr int kStripspaceWidth = 4215 / 15;
constexpr int kStripspaceHeight = 2625 / 15;
constexpr int kBoxWidth = 192;
constexpr int kBoxHeight = 54;
// Half the height of a two-line message box, and a margin.
constexpr int kReportClearance = 90;

bool failed(const LcdtextboxHost& box)
{
    return !comrt::succeeded(box.lastResult());
}

} // namespace

Stripspace::Stripspace(kpd::UserInterface& ui, const QString& controlFolder, QWidget* parent)
    : QDialog(parent),
      ui_(ui),
      textBox_(std::make_unique<LcdtextboxHost>(this, controlFolder)),
      run_(std::make_unique<StripspaceRun>(ui, [this](std::string& text) { return stripText(text); })),
      stopButton_(new QPushButton(QStringLiteral("Stop"), this))
{
    setObjectName(QStringLiteral("Stripspace"));
    setWindowTitle(QStringLiteral("Strip trailing spaces"));
    setFixedSize(kStripspaceWidth, kStripspaceHeight);

    // Six rows of sixteen cells: a help text fits whole, so its lines are the keypad's.
    textBox_->setNRows(6);
    textBox_->setNCols(16);
    textBox_->setEmptyCellColor(textBox_->BackColor());
    if (QWidget* box = textBox_->widget()) {
        box->setObjectName(QStringLiteral("gtbStripTrail"));
        box->setGeometry((kStripspaceWidth - kBoxWidth) / 2, 16, kBoxWidth, kBoxHeight);
    }
    stopButton_->setObjectName(QStringLiteral("btnStopStrip"));
    stopButton_->setGeometry((kStripspaceWidth - 80) / 2, kStripspaceHeight - 48, 80, 28);
    connect(stopButton_, &QPushButton::clicked, this, &Stripspace::stopStrip);
}

Stripspace::~Stripspace() = default;

void Stripspace::stopStrip()
{
    run_->stop();
}

std::optional<std::int32_t> Stripspace::stripText(std::string& text)
{
    textBox_->setText(toQt(text));
    if (failed(*textBox_)) return std::nullopt;
    const std::int32_t removed = textBox_->StripTrailingSpaces();
    if (failed(*textBox_)) return std::nullopt;
    // The box would give its text back with every escape in its own spelling: the same
    // blanks are taken out of the text as it was written instead.
    if (removed > 0) text = kpd::KeypadTextLayout::stripTrailingSpaces(text).text;
    return removed;
}

int Stripspace::textsChanged() const
{
    return run_->textsChanged();
}

std::int32_t Stripspace::stripTrail(kpd::DrvMenus& aDB)
{
    // Without the control every text would come back empty: nothing is touched.
    if (!textBox_->isValid()) {
        ui_.message(kNoControlMessage, "ERROR", kpd::MessageIcon::Critical);
        return 0;
    }
    // The report opens centred over the main window; the window sits just above it so that
    // both are seen.
    if (const QWidget* owner = parentWidget()) {
        const QPoint centre = owner->window()->geometry().center();
        move(centre.x() - width() / 2, std::max(0, centre.y() - height() - kReportClearance));
    }
    show();
    const std::int32_t removed = run_->stripTrail(aDB);
    stopButton_->setEnabled(false);
    if (run_->failed()) ui_.message(kControlFailedMessage, "ERROR", kpd::MessageIcon::Critical);
    return removed;
}
