#include "exportcommands.h"

#include "build/buildmessages.h"
#include "build/compress.h"
#include "modeltext/failurereport.h"
#include "modeltext/modeltext.h"
#include "shell/drivedocument.h"
#include "shell/panels/assemblerwindow.h"
#include "shell/panels/exportwindow.h"
#include "xmlfiles/textexport.h"

#include <QDir>

namespace {

// Long enough to read the path; the status bar's own panels come back after it.
constexpr int kWrittenNoticeMs = 15000;

} // namespace

void ExportCommands::exportText()
{
    if (!document_.app()) return;
    ExportWindow dialog(document_.ui(), document_.programFolder(), parent_);
    dialog.exec();
    if (dialog.accepted()) exportTo(dialog.path(), dialog.options());
}

bool ExportCommands::exportTo(const QString& path, std::uint16_t options)
{
    if (!document_.app()) return false;
    kpd::TextExport exporter;
    exporter.setData(*document_.app(), document_.hexBase());
    bool written = false;
    reportFailures(document_.ui(), [&] { written = exporter.exportText(toFileName(path), options); });
    if (written)
        document_.showNotice(QStringLiteral("Texts exported to ") + QDir::toNativeSeparators(path), kWrittenNoticeMs);
    return written;
}

void ExportCommands::saveAssembler()
{
    if (!document_.app()) return;
    AssemblerWindow dialog(document_.ui(), document_.programFolder(), parent_);
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
    if (!document_.app()) return {};
    QString written;
    reportFailures(document_.ui(), [&] {
        kpd::Compress compress;
        compress.setData(*document_.app(), document_.hexBase());
        switch (compress.compress()) {
        case kpd::CompressResult::Stopped: return;
        case kpd::CompressResult::TooLarge: document_.ui().message(kpd::kTooLargeMessage); return;
        case kpd::CompressResult::Fits: break;
        }
        const std::string module = compress.CreateAssemblerData(toModel(assemblerLanguage(languageIndex)));
        // A stop leaves no lines: an empty module would replace a good file.
        if (compress.assemblerLineCount() == 0) return;
        const QString file = QDir(folder).filePath(toQt(module) + QStringLiteral(".asm"));
        compress.WriteFileAsm(toFileName(file));
        written = file;
    });
    return written;
}
