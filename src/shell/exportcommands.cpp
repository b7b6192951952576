#include "exportcommands.h"

#include "assemblerwindow.h"
#include "exportwindow.h"
#include "mainwindow.h"
#include "build/buildmessages.h"
#include "build/compress.h"
#include "model/modelerror.h"
#include "modeltext/modeltext.h"
#include "xmlfiles/textexport.h"

#include <QDir>
#include <QStatusBar>

#include <system_error>

namespace {

// Long enough to read the path; the status bar's own panels come back after it.
constexpr int kWrittenNoticeMs = 15000;

} // namespace

void ExportCommands::exportText()
{
    if (!window_.app()) return;
    ExportWindow dialog(window_.ui(), window_.programFolder(), &window_);
    dialog.exec();
    if (dialog.accepted()) exportTo(dialog.path(), dialog.options());
}

bool ExportCommands::exportTo(const QString& path, std::uint16_t options)
{
    if (!window_.app()) return false;
    kpd::TextExport exporter;
    exporter.setData(*window_.app(), window_.hexBase());
    try {
        if (!exporter.exportText(toFileName(path), options)) return false;
        window_.statusBar()->showMessage(QStringLiteral("Texts exported to ") + QDir::toNativeSeparators(path),
                                         kWrittenNoticeMs);
        return true;
    } catch (const std::system_error& error) {
        window_.ui().message(messageOf(error), "ERROR", kpd::MessageIcon::Critical);
    } catch (const kpd::ModelError& error) {
        window_.ui().message(error.what(), "ERROR", kpd::MessageIcon::Critical);
    }
    return false;
}

void ExportCommands::saveAssembler()
{
    if (!window_.app()) return;
    AssemblerWindow dialog(window_.ui(), window_.programFolder(), &window_);
    dialog.exec();
    if (dialog.confirmed()) saveAssemblerFile(dialog.folder(), dialog.languageIndex());
}

QString ExportCommands::assemblerLanguage(int languageIndex)
{
    static const char* const names[] = {"english", "custom", "french", "german", "spanish", "italian"};
    return QString::fromLatin1(languageIndex >= 0 && languageIndex < 6 ? names[languageIndex] : names[0]);
}

QString ExportCommands::saveAssemblerFile(const QString& folder, int languageIndex)
{
    if (!window_.app()) return {};
    try {
        kpd::Compress compress;
        compress.setData(*window_.app(), window_.hexBase());
        switch (compress.compress()) {
        case kpd::CompressResult::Stopped:
            return {};
        case kpd::CompressResult::TooLarge:
            window_.ui().message(kpd::kTooLargeMessage);
            return {};
        case kpd::CompressResult::Fits:
            break;
        }
        const std::string module = compress.CreateAssemblerData(toModel(assemblerLanguage(languageIndex)));
        // A stop leaves no lines: an empty module would replace a good file.
        if (compress.assemblerLineCount() == 0) return {};
        const QString file = QDir(folder).filePath(toQt(module) + QStringLiteral(".asm"));
        compress.WriteFileAsm(toFileName(file));
        return file;
    } catch (const std::system_error& error) {
        window_.ui().message(messageOf(error), "ERROR", kpd::MessageIcon::Critical);
    } catch (const kpd::ModelError& error) {
        window_.ui().message(error.what(), "ERROR", kpd::MessageIcon::Critical);
    }
    return {};
}
