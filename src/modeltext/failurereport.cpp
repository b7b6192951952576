#include "failurereport.h"

#include "model/modelerror.h"
#include "model/userinterface.h"
#include "modeltext.h"

#include <system_error>

bool reportFailures(kpd::UserInterface& ui, const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const kpd::ModelError& error) {
        ui.message(error.what(), "ERROR", kpd::MessageIcon::Critical);
    } catch (const std::system_error& error) {
        ui.message(messageOf(error), "ERROR", kpd::MessageIcon::Critical);
    }
    return false;
}
