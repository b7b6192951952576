// The entry points hosts and registration tools find in the library by name.
#include "lcdtextboxmodule.h"

#include "comrt/classfactory.h"
#include "comrt/comruntime.h"
#include "comrt/versioninfo.h"

namespace {

const comrt::VersionInfo versionResource{
    {1, 0, 0, 1},
    {1, 0, 0, 1},
    "lcdtextbox ActiveX Control Module",
    "lcdtextbox ActiveX Control Module",
    true,
};

} // namespace

extern "C" {

__attribute__((visibility("default"))) comrt::Result DllRegisterServer()
{
    return LcdtextboxModule::instance().registerServer(
        comrt::ComRuntime::modulePath(reinterpret_cast<const void*>(&DllRegisterServer)));
}

__attribute__((visibility("default"))) comrt::Result DllUnregisterServer()
{
    return LcdtextboxModule::instance().unregisterServer();
}

__attribute__((visibility("default"))) comrt::Result DllGetClassObject(const QUuid* classId,
                                                                       comrt::ClassFactory** factory)
{
    if (!classId || !factory) return comrt::result::nullPointer;
    *factory = LcdtextboxModule::instance().factory(*classId);
    return *factory ? comrt::result::ok : comrt::result::classNotAvailable;
}

__attribute__((visibility("default"))) comrt::Result DllCanUnloadNow()
{
    return LcdtextboxModule::instance().canUnload() ? comrt::result::ok : comrt::result::falseOk;
}

__attribute__((visibility("default"))) const comrt::VersionInfo* DllGetVersionInfo()
{
    return &versionResource;
}

} // extern "C"
