#include "ccharmaprunner.h"

#include "ccharmapdlg.h"

namespace {

CCharMapRunner::Runner& installed()
{
    static CCharMapRunner::Runner runner;
    return runner;
}

} // namespace

CCharMapRunner::Result CCharMapRunner::run(const Request& request)
{
    if (installed()) return installed()(request);
    CCharMapDlg dialog(request.mappedColor, request.mode, &CKeyMap::instance(), request.key, request.parent);
    Result result;
    result.accepted = dialog.exec() == QDialog::Accepted;
    result.selection = dialog.selection();
    result.current = dialog.currentChar();
    return result;
}

void CCharMapRunner::setRunner(Runner runner)
{
    installed() = std::move(runner);
}
