#include "comparecommands.h"

#include "comparewindow.h"
#include "filechooser.h"
#include "mainwindow.h"

#include "compare/comparedfile.h"
#include "compare/setcomparison.h"
#include "compare/setmerge.h"
#include "model/modelerror.h"
#include "modeltext/modeltext.h"
#include "xmlfiles/drivefilenames.h"

namespace {

const QString kKeypadFilter = QStringLiteral("Keypad file (*.kpd)");

QString chooseFile(MainWindow& window, const QString& title)
{
    FileChooser chooser(&window);
    return chooser.choose({FileChooser::Kind::Open, title, {kKeypadFilter}, QStringLiteral("kpd"), {}}).name;
}

} // namespace

void CompareCommands::compareWith()
{
    if (!window_.app()) return;
    const QString file = chooseFile(window_, QStringLiteral("Compare with keypad string file"));
    if (file.isEmpty()) return;
    QString base;
    if (window_.ui().message(kBaseQuestion, {}, kpd::MessageIcon::Question, kpd::MessageButtons::YesNo) ==
        kpd::MessageAnswer::Yes) {
        base = chooseFile(window_, QStringLiteral("Common base keypad string file"));
        if (base.isEmpty()) return;
    }
    openComparison(file, base);
}

CompareWindow* CompareCommands::openComparison(const QString& file, const QString& base)
{
    if (!window_.app()) return nullptr;
    kpd::UserInterface& ui = window_.ui();
    try {
        // A file read only up to a fault would show differences that are not in it: the
        // loader has named the fault, and no window opens.
        const auto load = [&](const QString& name) -> std::unique_ptr<kpd::ComparedFile> {
            kpd::LoadResult result;
            auto loaded = kpd::ComparedFile::load(ui, toFileName(window_.programFolder()), toFileName(name), result);
            if (result == kpd::LoadResult::Missing)
                ui.message("Could not find the file " + toModel(name), "ERROR", kpd::MessageIcon::Critical);
            return result == kpd::LoadResult::Whole ? std::move(loaded) : nullptr;
        };
        std::unique_ptr<kpd::ComparedFile> theirs = load(file);
        if (!theirs) return nullptr;
        std::unique_ptr<kpd::ComparedFile> common = base.isEmpty() ? nullptr : load(base);
        if (!base.isEmpty() && !common) return nullptr;
        auto* window = new CompareWindow(window_, std::move(theirs), file, std::move(common), base, &window_);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        return window;
    } catch (const kpd::ModelError& error) {
        ui.message(error.what(), "ERROR", kpd::MessageIcon::Critical);
        return nullptr;
    }
}

bool CompareCommands::mergeWithoutComparing(const QString& file)
{
    // A name the merge refuses is refused there, with its own message.
    if (!kpd::DriveFileNames::isKeypadFile(toFileName(file))) return true;
    const kpd::MessageAnswer answer =
        window_.ui().message(kMergeQuestion, {}, kpd::MessageIcon::Question, kpd::MessageButtons::YesNoCancel);
    if (answer == kpd::MessageAnswer::Yes) openComparison(file);
    return answer == kpd::MessageAnswer::No;
}

bool CompareCommands::mergeFile(const QString& file)
{
    kpd::TheApp* app = window_.app();
    if (!app) return false;
    kpd::LoadResult result;
    const std::unique_ptr<kpd::ComparedFile> theirs =
        kpd::ComparedFile::load(window_.ui(), toFileName(window_.programFolder()), toFileName(file), result);
    // A refused file has been named by the loader and brings nothing to take.
    if (!theirs || result == kpd::LoadResult::Refused) {
        if (result == kpd::LoadResult::Missing)
            window_.ui().message("Could not find the file " + toModel(file), "ERROR", kpd::MessageIcon::Critical);
        return false;
    }
    kpd::stringData& ours = app->stringDatas().Item(app->getCustKey());
    const kpd::SetSnapshot reference = kpd::SetSnapshot::of(app->stringDatas().Item(app->getRefKey()));
    kpd::SetMerge(ours).takeTheirOwnChanges(
        kpd::SetComparison::compare(kpd::SetSnapshot::of(ours), theirs->snapshot(), &reference));
    return result == kpd::LoadResult::Whole;
}
