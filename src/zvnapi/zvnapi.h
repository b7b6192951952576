#pragma once

#include <cstdint>

// The drive network library's calls, exported unmangled so the editor can load the
// library by name and look each call up. Texts are 8-bit, zero-terminated; integers are
// signed 32-bit. A node address is "<node>.<port>", the keypad answering on port 4.
extern "C" {

// Communication settings record: five fields.
//   [0] transport, 3 = TCP to the drive network gateway on this machine (the only one)
//   [1] gateway TCP port on 127.0.0.1; 0 takes the environment variable ZVNAPI_PORT
//   [2] to [4] unused, kept as given
// Extended settings record: seven fields; times in milliseconds, held to 100..60,000.
//   [0] most users registered at once (1..16)
//   [1] connection time-out   [2] answer time-out for node checks and reads
//   [5] answer time-out for file transfers   [3], [4], [6] unused, kept as given
std::int32_t KNR_GetParameters(std::int32_t* settings);
std::int32_t KNR_SetParameters(const std::int32_t* settings);
std::int32_t KNR_GetParametersEx(std::int32_t* settings);
std::int32_t KNR_SetParametersEx(const std::int32_t* settings);
// owner is the calling window (a QWidget*), or null. The flags and the last argument are
// taken for compatibility of the call; this transport has nothing they select.
std::int32_t KNR_OpenSetupDialogEx(void* owner, std::int32_t flags, std::int32_t reserved);

// A handle of 1 or more, or one of the negative codes below.
std::int32_t KNR_RegisterUser(std::int32_t kind, std::int32_t a, std::int32_t b, std::int32_t c);
std::int32_t KNR_DeleteUser(std::int32_t user);

// 0 when the request went out; the answer is then collected by polling.
std::int32_t KNR_CheckNode(std::int32_t user, const char* node);
// request: 1, menu, parameter, 0, value, 0, 0, 0; the value field is filled when answer 17 comes.
std::int32_t KNR_ReadObject(std::int32_t user, const char* node, std::int32_t* request);
std::int32_t KNR_DownLoad(std::int32_t user, const char* node, const char* path, const char* name);
// 0 while no answer is there; 1 once code and data are filled. A request that gets no
// answer is answered with code 1 (no response from the node), its data saying why.
// A connection the gateway closed, or left out of step by an answer that could not be
// read, is made again by the next request.
std::int32_t KNR_Poll32ForResponse(std::int32_t user, std::int32_t* code, std::int32_t* data);
}

namespace zvn {

inline constexpr std::int32_t kTransportTcp = 3;

// Results of the calls other than RegisterUser's handle.
inline constexpr std::int32_t kOk = 0;
inline constexpr std::int32_t kBadArgument = -1;
inline constexpr std::int32_t kUnknownUser = -2;
inline constexpr std::int32_t kBusy = -3;
inline constexpr std::int32_t kNotSent = -4;
inline constexpr std::int32_t kNoFile = -5;
inline constexpr std::int32_t kNoWindowSystem = -6;

// Results of RegisterUser.
inline constexpr std::int32_t kNoTransport = -101;
inline constexpr std::int32_t kNoGatewayPort = -102;
inline constexpr std::int32_t kNoConnection = -103;
inline constexpr std::int32_t kTooManyUsers = -104;

// Answer codes.
inline constexpr std::int32_t kNoResponse = 1;
inline constexpr std::int32_t kTransferDone = 16;
inline constexpr std::int32_t kParameterRead = 17;
inline constexpr std::int32_t kNodeFound = 21;

// Data of answer code 1: why no answer came.
inline constexpr std::int32_t kNodeSilent = 0;       // the network had no node to answer
inline constexpr std::int32_t kAnswerTimedOut = 1;   // none within the time-out
inline constexpr std::int32_t kConnectionClosed = 2; // the gateway closed the connection
inline constexpr std::int32_t kAnswerMalformed = 3;  // what came could not be read

} // namespace zvn
