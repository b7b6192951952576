#pragma once

#include "download/downloadclock.h"
#include "download/drivenetwork.h"

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Time that passes only when the code under test waits.
class FakeClock : public kpd::DownloadClock {
public:
    std::chrono::milliseconds now() override { return now_; }
    void pause(std::chrono::milliseconds atMost) override { now_ += atMost; }

    std::chrono::milliseconds now_{1000000};
};

// A drive network that answers from a script and records what it was asked, with the
// clock's time of each download request.
class ScriptedNetwork : public kpd::DriveNetwork {
public:
    struct Answer {
        std::int32_t code;
        std::int32_t data;
    };
    struct Transfer {
        std::string node;
        std::string path;
        std::string name;
        std::chrono::milliseconds at;
    };

    explicit ScriptedNetwork(FakeClock& clock) : clock_(clock) {}

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

    std::vector<std::string> sentNames() const;

    // Script.
    std::int32_t handle = 9;
    std::int32_t checkIssued = 0;
    Answer checkAnswer{21, 5};
    std::int32_t readIssued = 0;
    Answer readAnswer{17, 0};
    std::int32_t readValue = 0;
    // Segment name -> answers for its successive attempts; past the list: success.
    std::map<std::string, std::deque<Answer>> transferAnswers;
    std::map<std::string, int> transferNotIssued;
    // Polls answered 0 before each answer comes.
    int pollsBeforeAnswer = 2;
    std::function<void(const std::string& name)> onTransfer;
    Settings settings{1, 2, 3, 4, 5};
    ExtendedSettings extended{1, 2, 3, 4, 5, 6, 7};

    // Record.
    std::vector<std::string> calls;
    std::vector<Transfer> transfers;
    std::vector<ReadRecord> readRecords;
    std::vector<std::int32_t> deletedUsers;
    std::vector<std::string> nodes;
    std::chrono::milliseconds deletedAt{0};
    void* dialogOwner = nullptr;
    std::int32_t dialogFlags = -1;
    std::int32_t dialogReserved = -1;
    std::vector<std::int32_t> registerArguments;
    int polls = 0;

private:
    std::int32_t issue(Answer answer);

    FakeClock& clock_;
    bool outstanding_ = false;
    Answer pending_{0, 0};
    int waiting_ = 0;
    ReadRecord* record_ = nullptr;
};
