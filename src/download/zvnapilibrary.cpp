#include "zvnapilibrary.h"

#include <dlfcn.h>

#include <filesystem>

namespace kpd {

namespace {

using Record = std::int32_t*;
using ConstRecord = const std::int32_t*;
using Text = const char*;

} // namespace

ZvnApiLibrary::ZvnApiLibrary(std::vector<std::string> folders, std::string fileName)
    : folders_(std::move(folders)), fileName_(std::move(fileName))
{
}

ZvnApiLibrary::~ZvnApiLibrary()
{
    if (handle_) dlclose(handle_);
}

void* ZvnApiLibrary::symbol(const char* name)
{
    if (!handle_) {
        std::string reason;
        for (const std::string& folder : folders_) {
            const std::filesystem::path candidate = std::filesystem::path(folder) / fileName_;
            if (!std::filesystem::exists(candidate)) continue;
            handle_ = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle_) break;
            reason = dlerror();
        }
        if (!handle_) handle_ = dlopen(fileName_.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle_) {
            if (const char* error = dlerror()) reason = error;
            throw DriveNetworkError("Unable to load " + fileName_ + ": " + reason);
        }
    }
    void* address = dlsym(handle_, name);
    if (!address) throw DriveNetworkError(fileName_ + " has no " + name);
    return address;
}

std::int32_t ZvnApiLibrary::KNR_GetParameters(Settings& settings)
{
    return reinterpret_cast<std::int32_t (*)(Record)>(symbol("KNR_GetParameters"))(settings.data());
}

std::int32_t ZvnApiLibrary::KNR_SetParameters(const Settings& settings)
{
    return reinterpret_cast<std::int32_t (*)(ConstRecord)>(symbol("KNR_SetParameters"))(settings.data());
}

std::int32_t ZvnApiLibrary::KNR_GetParametersEx(ExtendedSettings& settings)
{
    return reinterpret_cast<std::int32_t (*)(Record)>(symbol("KNR_GetParametersEx"))(settings.data());
}

std::int32_t ZvnApiLibrary::KNR_SetParametersEx(const ExtendedSettings& settings)
{
    return reinterpret_cast<std::int32_t (*)(ConstRecord)>(symbol("KNR_SetParametersEx"))(settings.data());
}

std::int32_t ZvnApiLibrary::KNR_OpenSetupDialogEx(void* owner, std::int32_t flags, std::int32_t reserved)
{
    using Call = std::int32_t (*)(void*, std::int32_t, std::int32_t);
    return reinterpret_cast<Call>(symbol("KNR_OpenSetupDialogEx"))(owner, flags, reserved);
}

std::int32_t ZvnApiLibrary::KNR_RegisterUser(std::int32_t kind, std::int32_t a, std::int32_t b, std::int32_t c)
{
    using Call = std::int32_t (*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t);
    return reinterpret_cast<Call>(symbol("KNR_RegisterUser"))(kind, a, b, c);
}

std::int32_t ZvnApiLibrary::KNR_DeleteUser(std::int32_t user)
{
    return reinterpret_cast<std::int32_t (*)(std::int32_t)>(symbol("KNR_DeleteUser"))(user);
}

std::int32_t ZvnApiLibrary::KNR_CheckNode(std::int32_t user, const std::string& node)
{
    return reinterpret_cast<std::int32_t (*)(std::int32_t, Text)>(symbol("KNR_CheckNode"))(user, node.c_str());
}

std::int32_t ZvnApiLibrary::KNR_ReadObject(std::int32_t user, const std::string& node, ReadRecord& record)
{
    using Call = std::int32_t (*)(std::int32_t, Text, Record);
    return reinterpret_cast<Call>(symbol("KNR_ReadObject"))(user, node.c_str(), record.data());
}

std::int32_t ZvnApiLibrary::KNR_DownLoad(std::int32_t user, const std::string& node, const std::string& path,
                                         const std::string& name)
{
    using Call = std::int32_t (*)(std::int32_t, Text, Text, Text);
    return reinterpret_cast<Call>(symbol("KNR_DownLoad"))(user, node.c_str(), path.c_str(), name.c_str());
}

std::int32_t ZvnApiLibrary::KNR_Poll32ForResponse(std::int32_t user, std::int32_t& code, std::int32_t& data)
{
    using Call = std::int32_t (*)(std::int32_t, Record, Record);
    return reinterpret_cast<Call>(symbol("KNR_Poll32ForResponse"))(user, &code, &data);
}

} // namespace kpd
