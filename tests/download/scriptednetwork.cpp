#include "scriptednetwork.h"

std::int32_t ScriptedNetwork::KNR_GetParameters(Settings& value)
{
    calls.push_back("GetParameters");
    value = settings;
    return 0;
}

std::int32_t ScriptedNetwork::KNR_SetParameters(const Settings& value)
{
    calls.push_back("SetParameters");
    settings = value;
    return 0;
}

std::int32_t ScriptedNetwork::KNR_GetParametersEx(ExtendedSettings& value)
{
    calls.push_back("GetParametersEx");
    value = extended;
    return 0;
}

std::int32_t ScriptedNetwork::KNR_SetParametersEx(const ExtendedSettings& value)
{
    calls.push_back("SetParametersEx");
    extended = value;
    return 0;
}

std::int32_t ScriptedNetwork::KNR_OpenSetupDialogEx(void* owner, std::int32_t flags, std::int32_t reserved)
{
    calls.push_back("OpenSetupDialogEx");
    dialogOwner = owner;
    dialogFlags = flags;
    dialogReserved = reserved;
    return 0;
}

std::int32_t ScriptedNetwork::KNR_RegisterUser(std::int32_t kind, std::int32_t a, std::int32_t b, std::int32_t c)
{
    calls.push_back("RegisterUser");
    registerArguments = {kind, a, b, c};
    return handle;
}

std::int32_t ScriptedNetwork::KNR_DeleteUser(std::int32_t user)
{
    calls.push_back("DeleteUser");
    deletedUsers.push_back(user);
    deletedAt = clock_.now();
    return 0;
}

std::int32_t ScriptedNetwork::KNR_CheckNode(std::int32_t user, const std::string& node)
{
    calls.push_back("CheckNode");
    nodes.push_back(node);
    if (user != handle || checkIssued != 0) return checkIssued ? checkIssued : -1;
    return issue(checkAnswer);
}

std::int32_t ScriptedNetwork::KNR_ReadObject(std::int32_t user, const std::string& node, ReadRecord& record)
{
    calls.push_back("ReadObject");
    nodes.push_back(node);
    readRecords.push_back(record);
    if (user != handle || readIssued != 0) return readIssued ? readIssued : -1;
    record_ = &record;
    return issue(readAnswer);
}

std::int32_t ScriptedNetwork::KNR_DownLoad(std::int32_t user, const std::string& node, const std::string& path,
                                           const std::string& name)
{
    calls.push_back("DownLoad " + name);
    nodes.push_back(node);
    transfers.push_back({node, path, name, clock_.now()});
    if (onTransfer) onTransfer(name);
    if (user != handle) return -1;
    if (int& refusals = transferNotIssued[name]; refusals > 0) {
        --refusals;
        return -4;
    }
    std::deque<Answer>& answers = transferAnswers[name];
    Answer answer{16, 1};
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    return issue(answer);
}

std::int32_t ScriptedNetwork::KNR_Poll32ForResponse(std::int32_t user, std::int32_t& code, std::int32_t& data)
{
    ++polls;
    if (user != handle || !outstanding_) {
        code = 1;
        data = 0;
        return 1;
    }
    if (waiting_ > 0) {
        --waiting_;
        return 0;
    }
    outstanding_ = false;
    code = pending_.code;
    data = pending_.data;
    // The value lands in the caller's record only when the answer is collected.
    if (record_ && code == 17) (*record_)[4] = readValue;
    record_ = nullptr;
    return 1;
}

std::int32_t ScriptedNetwork::issue(Answer answer)
{
    outstanding_ = true;
    pending_ = answer;
    waiting_ = pollsBeforeAnswer;
    return 0;
}

std::vector<std::string> ScriptedNetwork::sentNames() const
{
    std::vector<std::string> names;
    for (const Transfer& transfer : transfers) names.push_back(transfer.name);
    return names;
}
