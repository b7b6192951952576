#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace kpd {

// The drive network library's calls as the download uses them. The editor's own
// implementation loads the library; the tests put a scripted network in its place.
class DriveNetwork {
public:
    using Settings = std::array<std::int32_t, 5>;
    using ExtendedSettings = std::array<std::int32_t, 7>;
    // 1, menu, parameter, 0, value, 0, 0, 0
    using ReadRecord = std::array<std::int32_t, 8>;

    virtual ~DriveNetwork() = default;

    virtual std::int32_t KNR_GetParameters(Settings& settings) = 0;
    virtual std::int32_t KNR_SetParameters(const Settings& settings) = 0;
    virtual std::int32_t KNR_GetParametersEx(ExtendedSettings& settings) = 0;
    virtual std::int32_t KNR_SetParametersEx(const ExtendedSettings& settings) = 0;
    virtual std::int32_t KNR_OpenSetupDialogEx(void* owner, std::int32_t flags, std::int32_t reserved) = 0;
    virtual std::int32_t KNR_RegisterUser(std::int32_t kind, std::int32_t a, std::int32_t b, std::int32_t c) = 0;
    virtual std::int32_t KNR_DeleteUser(std::int32_t user) = 0;
    virtual std::int32_t KNR_CheckNode(std::int32_t user, const std::string& node) = 0;
    // The record must stay in place until the answer has been polled: the value arrives then.
    virtual std::int32_t KNR_ReadObject(std::int32_t user, const std::string& node, ReadRecord& record) = 0;
    virtual std::int32_t KNR_DownLoad(std::int32_t user, const std::string& node, const std::string& path,
                                      const std::string& name) = 0;
    virtual std::int32_t KNR_Poll32ForResponse(std::int32_t user, std::int32_t& code, std::int32_t& data) = 0;
};

// The library could not be loaded, or lacks one of its calls.
class DriveNetworkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace kpd
