#include "filechooser.h"

#include <QFileDialog>

FileChooser::Choice FileChooser::choose(const Request& request)
{
    QFileDialog dialog(parent_, request.title);
    dialog.setAcceptMode(request.kind == Kind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == Kind::Save     ? QFileDialog::AnyFile
                       : request.kind == Kind::Folder ? QFileDialog::Directory
                                                      : QFileDialog::ExistingFile);
    if (request.kind == Kind::Folder) dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty()) dialog.selectNameFilter(request.filters.first());
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialName.isEmpty() && request.kind == Kind::Folder)
        dialog.setDirectory(request.initialName);
    else if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);

    Choice choice;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return choice;
    choice.name = dialog.selectedFiles().first();
    choice.filterIndex = static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter())) + 1;
    return choice;
}

FileChooser::Choice FileChooser::ask(Kind kind, const QString& title, const QStringList& filters, const QString& suffix,
                                     const QString& initialName)
{
    Request request;
    request.kind = kind;
    request.title = title;
    request.filters = filters;
    request.defaultSuffix = suffix;
    request.initialName = initialName;
    return choose(request);
}
