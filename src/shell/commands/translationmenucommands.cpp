#include "translationmenucommands.h"

#include "comparecommands.h"
#include "shell/drivedocument.h"
#include "shell/filechooser.h"
#include "shell/panels/translationexportdialog.h"

#include "compare/comparedfile.h"
#include "exchange/translationexport.h"
#include "exchange/translationimport.h"
#include "exchange/translationreader.h"
#include "fileio/filereaderror.h"
#include "install/installlayout.h"
#include "model/theapp.h"
#include "modeltext/failurereport.h"
#include "modeltext/modeltext.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <filesystem>

namespace {

std::string listed(const char* what, const std::vector<kpd::TranslationImport::Rejected>& list)
{
    std::string text;
    for (const kpd::TranslationImport::Rejected& r : list)
        text += "\r\nline " + std::to_string(r.line) + ": " + what + " " + r.id + ": " + r.reason;
    return text;
}

std::string countedTexts(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + (count == 1 ? one : many);
}

} // namespace

void TranslationMenuCommands::exportForTranslation()
{
    kpd::TheApp* app = document_.app();
    if (!app) return;
    QStringList references{toQt(app->getRefKey())};
    for (std::int16_t i = 0; i <= app->getLastLangIndex(); ++i) {
        const QString key = toQt(app->getLangDBKey(i));
        if (!references.contains(key) && key != toQt(app->getCustKey())) references << key;
    }
    TranslationExportDialog dialog(references, parent_);
    if (dialog.exec() == QDialog::Accepted) exportAs(dialog);
}

bool TranslationMenuCommands::exportAs(const TranslationExportDialog& dialog)
{
    kpd::TheApp* app = document_.app();
    if (!app) return false;
    kpd::UserInterface& ui = document_.ui();
    const TranslationExportDialog::Choice choice = dialog.choice();
    const std::filesystem::path font =
        kpd::InstallLayout::of(toFileName(QCoreApplication::applicationDirPath())).bundledData() /
        kpd::TranslationExport::kFontFile;
    bool written = false;
    reportFailures(ui, [&] {
        std::unique_ptr<kpd::ComparedFile> base;
        if (choice.selection == kpd::ExportSelection::ChangedSince) {
            kpd::LoadResult result;
            base = kpd::ComparedFile::load(ui, toFileName(document_.programFolder()), toFileName(choice.base), result);
            if (result != kpd::LoadResult::Whole) {
                if (result == kpd::LoadResult::Missing)
                    ui.message("Could not find the file " + toModel(choice.base), "ERROR", kpd::MessageIcon::Critical);
                return;
            }
        }
        const kpd::SetSnapshot baseTexts = base ? base->snapshot() : kpd::SetSnapshot();
        kpd::TranslationExport::Options options;
        options.referenceKey = toModel(choice.reference);
        options.targetLanguage = toModel(choice.target);
        options.selection = choice.selection;
        options.base = base ? &baseTexts : nullptr;
        options.original = toModel(QFileInfo(document_.currentFile()).fileName());
        options.revisionDate =
            toModel(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm+0000")));
        try {
            kpd::TranslationExport::writeFiles(*app, options, choice.format, toFileName(choice.file),
                                               choice.font ? font.string() : std::string());
            written = true;
        } catch (const kpd::FileReadError& error) {
            ui.message(std::string("Could not read the keypad font ") + error.what(), "ERROR",
                       kpd::MessageIcon::Critical);
        }
    });
    return written;
}

void TranslationMenuCommands::importTranslation()
{
    if (!document_.app()) return;
    const QString file =
        FileChooser(parent_)
            .choose({FileChooser::Kind::Open,
                     QStringLiteral("Import translation"),
                     {QStringLiteral("Translation file (*.xlf *.xliff *.po)"), QStringLiteral("All files (*)")},
                     {},
                     {}})
            .name;
    if (!file.isEmpty()) importFile(file);
}

CompareWindow* TranslationMenuCommands::importFile(const QString& file)
{
    kpd::TheApp* app = document_.app();
    if (!app) return nullptr;
    kpd::UserInterface& ui = document_.ui();
    CompareWindow* opened = nullptr;
    reportFailures(ui, [&] {
        kpd::TranslationImport::Result result;
        try {
            result = kpd::TranslationImport::match(*app, kpd::TranslationReader::read(toFileName(file)));
        } catch (const kpd::FileReadError& error) {
            ui.message(error.what(), "ERROR", kpd::MessageIcon::Critical);
            return;
        }
        std::string notes;
        for (const kpd::TranslationImport::Imported& text : result.imported) {
            if (text.sourceChanged) notes += "\r\nsource changed since export: " + text.id;
            if (text.trailingSpaces) notes += "\r\ntrailing spaces: " + text.id;
        }
        if (!result.complete() || !notes.empty())
            ui.message(countedTexts(result.imported.size(), " text can", " texts can") + " be taken; " +
                           countedTexts(result.refused.size(), " does", " do") + " not fit the keypad, " +
                           countedTexts(result.unplaced.size(), " has", " have") + " no place in this drive." +
                           listed("refused", result.refused) + listed("unplaced", result.unplaced) + notes,
                       "Import translation", kpd::MessageIcon::Exclamation);
        const std::string folder = toFileName(document_.programFolder());
        const kpd::SetSnapshot ours = kpd::SetSnapshot::of(app->stringDatas().Item(app->getCustKey()));
        auto theirs = kpd::ComparedFile::ofTexts(ui, folder, kpd::TranslationImport::theirs(ours, result));
        const kpd::SetSnapshot reference = kpd::SetSnapshot::of(app->stringDatas().Item(result.referenceKey));
        auto base = kpd::ComparedFile::ofTexts(ui, folder, kpd::TranslationImport::base(ours, reference, result));
        opened = CompareCommands(document_, parent_)
                     .show(std::move(theirs), file, std::move(base),
                           toQt(result.referenceKey) + QStringLiteral(" as exported"));
    });
    return opened;
}
