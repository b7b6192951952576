#include "zvnapi.h"

#include "zvnsetupdialog.h"
#include "zvnuser.h"

#include <QApplication>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>

namespace {

struct LibraryState {
    ZvnSetupDialog::Settings settings{zvn::kTransportTcp, 0, 0, 0, 0};
    ZvnSetupDialog::ExtendedSettings extended{4, 3000, 3000, 0, 0, 3000, 0};
    std::map<std::int32_t, std::unique_ptr<ZvnUser>> users;
    std::int32_t nextHandle = 1;
};

// The library serves the one user-interface thread of its caller, like the original
// transport it stands in for: no locking.
LibraryState& state()
{
    static LibraryState instance;
    return instance;
}

constexpr std::int32_t kMaxUsers = 16;

std::int32_t clampTime(std::int32_t ms)
{
    return std::clamp<std::int32_t>(ms, 100, 60000);
}

std::uint16_t gatewayPort()
{
    std::int32_t port = state().settings[1];
    if (port == 0) {
        const char* text = std::getenv("ZVNAPI_PORT");
        if (!text) return 0;
        const char* end = text + std::strlen(text);
        if (std::from_chars(text, end, port).ptr != end) return 0;
    }
    return port > 0 && port <= 65535 ? static_cast<std::uint16_t>(port) : 0;
}

ZvnUser* findUser(std::int32_t user)
{
    const auto found = state().users.find(user);
    return found == state().users.end() ? nullptr : found->second.get();
}

std::int32_t sendRequest(std::int32_t user, const NodeWire::Request& request, std::int32_t* readRecord)
{
    ZvnUser* target = findUser(user);
    return target ? target->send(request, readRecord) : zvn::kUnknownUser;
}

} // namespace

extern "C" {

std::int32_t KNR_GetParameters(std::int32_t* settings)
{
    if (!settings) return zvn::kBadArgument;
    std::copy(state().settings.begin(), state().settings.end(), settings);
    return zvn::kOk;
}

std::int32_t KNR_SetParameters(const std::int32_t* settings)
{
    if (!settings || settings[1] < 0 || settings[1] > 65535) return zvn::kBadArgument;
    std::copy(settings, settings + state().settings.size(), state().settings.begin());
    return zvn::kOk;
}

std::int32_t KNR_GetParametersEx(std::int32_t* settings)
{
    if (!settings) return zvn::kBadArgument;
    std::copy(state().extended.begin(), state().extended.end(), settings);
    return zvn::kOk;
}

std::int32_t KNR_SetParametersEx(const std::int32_t* settings)
{
    if (!settings) return zvn::kBadArgument;
    ZvnSetupDialog::ExtendedSettings& extended = state().extended;
    std::copy(settings, settings + extended.size(), extended.begin());
    extended[0] = std::clamp<std::int32_t>(extended[0], 1, kMaxUsers);
    for (int field : {1, 2, 5}) extended[field] = clampTime(extended[field]);
    return zvn::kOk;
}

std::int32_t KNR_OpenSetupDialogEx(void* owner, std::int32_t, std::int32_t)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return zvn::kNoWindowSystem;
    ZvnSetupDialog dialog(state().settings, state().extended, static_cast<QWidget*>(owner));
    if (dialog.exec() != QDialog::Accepted) return zvn::kOk;
    const ZvnSetupDialog::Settings settings = dialog.settings();
    const ZvnSetupDialog::ExtendedSettings extended = dialog.extended();
    KNR_SetParameters(settings.data());
    KNR_SetParametersEx(extended.data());
    return zvn::kOk;
}

std::int32_t KNR_RegisterUser(std::int32_t, std::int32_t, std::int32_t, std::int32_t)
{
    LibraryState& library = state();
    if (library.settings[0] != zvn::kTransportTcp) return zvn::kNoTransport;
    if (library.users.size() >= static_cast<std::size_t>(library.extended[0])) return zvn::kTooManyUsers;
    const std::uint16_t port = gatewayPort();
    if (port == 0) return zvn::kNoGatewayPort;
    LoopbackSocket socket = LoopbackSocket::connectTo(port, library.extended[1]);
    if (!socket.valid()) return zvn::kNoConnection;
    const std::int32_t handle = library.nextHandle++;
    const ZvnUser::Timeouts timeouts{library.extended[1], library.extended[2], library.extended[5]};
    library.users[handle] = std::make_unique<ZvnUser>(std::move(socket), port, timeouts);
    return handle;
}

std::int32_t KNR_DeleteUser(std::int32_t user)
{
    return state().users.erase(user) ? zvn::kOk : zvn::kUnknownUser;
}

std::int32_t KNR_CheckNode(std::int32_t user, const char* node)
{
    if (!node) return zvn::kBadArgument;
    NodeWire::Request request;
    request.kind = NodeWire::Kind::Check;
    request.node = node;
    return sendRequest(user, request, nullptr);
}

std::int32_t KNR_ReadObject(std::int32_t user, const char* node, std::int32_t* record)
{
    if (!node || !record) return zvn::kBadArgument;
    NodeWire::Request request;
    request.kind = NodeWire::Kind::Read;
    request.node = node;
    request.menu = record[1];
    request.parameter = record[2];
    return sendRequest(user, request, record);
}

std::int32_t KNR_DownLoad(std::int32_t user, const char* node, const char* path, const char* name)
{
    if (!node || !path || !name) return zvn::kBadArgument;
    if (!findUser(user)) return zvn::kUnknownUser;
    std::ifstream file(path, std::ios::binary);
    if (!file) return zvn::kNoFile;
    std::string body;
    // One byte past the largest transfer is enough to tell that a file is too long.
    body.resize(NodeWire::kMaxBody + 1);
    file.read(body.data(), static_cast<std::streamsize>(body.size()));
    body.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad() || body.size() > NodeWire::kMaxBody) return zvn::kNoFile;
    NodeWire::Request request;
    request.kind = NodeWire::Kind::Download;
    request.node = node;
    request.name = name;
    request.body = std::move(body);
    return sendRequest(user, request, nullptr);
}

std::int32_t KNR_Poll32ForResponse(std::int32_t user, std::int32_t* code, std::int32_t* data)
{
    ZvnUser* target = findUser(user);
    if (!target || !code || !data) {
        // A caller polls until it gets a non-zero result: an unknown user must not keep it waiting.
        if (code) *code = zvn::kNoResponse;
        if (data) *data = 0;
        return 1;
    }
    return target->poll(*code, *data) ? 1 : 0;
}
}
