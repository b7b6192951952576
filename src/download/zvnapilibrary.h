#pragma once

#include "drivenetwork.h"

#include <string>
#include <vector>

namespace kpd {

// The drive network library "libzvnapi32.so", loaded by name at the first call and kept
// for the rest of the run. Each call throws DriveNetworkError when the library cannot be
// loaded; a later call tries again, so a library put in place meanwhile is found.
class ZvnApiLibrary : public DriveNetwork {
public:
    static constexpr const char* kFileName = "libzvnapi32.so";

    // folders are searched in order, then the system's library path.
    explicit ZvnApiLibrary(std::vector<std::string> folders, std::string fileName = kFileName);
    ~ZvnApiLibrary() override;
    ZvnApiLibrary(const ZvnApiLibrary&) = delete;
    ZvnApiLibrary& operator=(const ZvnApiLibrary&) = delete;

    bool loaded() const { return handle_ != nullptr; }

    std::int32_t KNR_GetParameters(Settings& settings) override;
    std::int32_t KNR_SetParameters(const Settings& settings) override;
    std::int32_t KNR_GetParametersEx(ExtendedSettings& settings) override;
    std::int32_t KNR_SetParametersEx(const ExtendedSettings& settings) override;
    std::int32_t KNR_OpenSetupDialogEx(void* owner, std::int32_t flags, std::int32_t reserved) override;
    std::int32_t KNR_RegisterUser(std::int32_t kind, std::int32_t a, std::int32_t b, std::int32_t c) override;
    std::int32_t KNR_DeleteUser(std::int32_t user) override;
    std::int32_t KNR_CheckNode(std::int32_t user, const std::string& node) override;
    std::int32_t KNR_ReadObject(std::int32_t user, const std::string& node, ReadRecord& record) override;
    std::int32_t KNR_DownLoad(std::int32_t user, const std::string& node, const std::string& path,
                              const std::string& name) override;
    std::int32_t KNR_Poll32ForResponse(std::int32_t user, std::int32_t& code, std::int32_t& data) override;

private:
    void* symbol(const char* name);

    std::vector<std::string> folders_;
    std::string fileName_;
    void* handle_ = nullptr;
};

} // namespace kpd
