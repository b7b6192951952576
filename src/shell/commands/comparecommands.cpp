#include "comparecommands.h"

#include "setfilecommands.h"
#include "shell/drivedocument.h"
#include "shell/filechooser.h"
#include "shell/panels/comparewindow.h"

#include "compare/comparedfile.h"
#include "compare/setcomparison.h"
#include "compare/setmerge.h"
#include "modeltext/failurereport.h"
#include "modeltext/modeltext.h"
#include "xmlfiles/drivefilenames.h"

namespace {

QString chooseFile(QWidget* parent, const QString& title)
{
    FileChooser chooser(parent);
    return chooser.choose({FileChooser::Kind::Open, title, {FileChooser::keypadFilter()}, QStringLiteral("kpd"), {}})
        .name;
}

} // namespace

void CompareCommands::compareWith()
{
    if (!document_.app()) return;
    const QString file = chooseFile(parent_, QStringLiteral("Compare with keypad string file"));
    if (file.isEmpty()) return;
    QString base;
    if (document_.ui().message(kBaseQuestion, {}, kpd::MessageIcon::Question, kpd::MessageButtons::YesNo) ==
        kpd::MessageAnswer::Yes) {
        base = chooseFile(parent_, QStringLiteral("Common base keypad string file"));
        if (base.isEmpty()) return;
    }
    openComparison(file, base);
}

CompareWindow* CompareCommands::openComparison(const QString& file, const QString& base)
{
    if (!document_.app()) return nullptr;
    kpd::UserInterface& ui = document_.ui();
    CompareWindow* opened = nullptr;
    reportFailures(ui, [&] {
        // A file read only up to a fault would show differences that are not in it: the
        // loader has named the fault, and no window opens.
        const auto load = [&](const QString& name) -> std::unique_ptr<kpd::ComparedFile> {
            kpd::LoadResult result;
            auto loaded = kpd::ComparedFile::load(ui, toFileName(document_.programFolder()), toFileName(name), result);
            if (result == kpd::LoadResult::Missing)
                ui.message("Could not find the file " + toModel(name), "ERROR", kpd::MessageIcon::Critical);
            return result == kpd::LoadResult::Whole ? std::move(loaded) : nullptr;
        };
        std::unique_ptr<kpd::ComparedFile> theirs = load(file);
        if (!theirs) return;
        std::unique_ptr<kpd::ComparedFile> common = base.isEmpty() ? nullptr : load(base);
        if (!base.isEmpty() && !common) return;
        opened = new CompareWindow(document_, std::move(theirs), file, std::move(common), base, parent_);
        opened->setAttribute(Qt::WA_DeleteOnClose);
        opened->show();
    });
    return opened;
}

bool CompareCommands::mergeWithoutComparing(const QString& file)
{
    // A name the merge refuses is refused there, with its own message.
    if (!kpd::DriveFileNames::isKeypadFile(toFileName(file))) return true;
    const kpd::MessageAnswer answer =
        document_.ui().message(kMergeQuestion, {}, kpd::MessageIcon::Question, kpd::MessageButtons::YesNoCancel);
    if (answer == kpd::MessageAnswer::Yes) openComparison(file);
    return answer == kpd::MessageAnswer::No;
}

bool CompareCommands::mergeFile(const QString& file)
{
    kpd::TheApp* app = document_.app();
    if (!app) return false;
    kpd::LoadResult result;
    const std::unique_ptr<kpd::ComparedFile> theirs =
        kpd::ComparedFile::load(document_.ui(), toFileName(document_.programFolder()), toFileName(file), result);
    // A refused file has been named by the loader and brings nothing to take.
    if (!theirs || result == kpd::LoadResult::Refused) {
        if (result == kpd::LoadResult::Missing)
            document_.ui().message("Could not find the file " + toModel(file), "ERROR", kpd::MessageIcon::Critical);
        return false;
    }
    kpd::stringData& ours = app->stringDatas().Item(app->getCustKey());
    const kpd::SetSnapshot reference = kpd::SetSnapshot::of(app->stringDatas().Item(app->getRefKey()));
    kpd::SetMerge(ours).takeTheirOwnChanges(
        kpd::SetComparison::compare(kpd::SetSnapshot::of(ours), theirs->snapshot(), &reference));
    return result == kpd::LoadResult::Whole;
}
