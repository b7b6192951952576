#include "charmaprunner.h"

#include "ccharmapdlg.h"

namespace {

CharMapRunner::Runner& installed()
{
    static CharMapRunner::Runner runner;
    return runner;
}

} // namespace

CharMapRunner::Result CharMapRunner::run(const Request& request)
{
    if (installed()) return installed()(request);
    CCharMapDlg dialog(request.mappedColor, request.mode, &CKeyMap::instance(), request.key, request.parent);
    Result result;
    result.accepted = dialog.exec() == QDialog::Accepted;
    result.selection = dialog.selection();
    result.current = dialog.currentChar();
    return result;
}

void CharMapRunner::setRunner(Runner runner)
{
    installed() = std::move(runner);
}
