#include "common/ContactChecks.h"

#include "common/Text.h"

#include <algorithm>

namespace tov {
namespace {

constexpr MessagePair kNoAt{"Email 错误(@)", "Email Error(@)"};
constexpr MessagePair kNoDot{"Email 错误(.)", "Email Error(.)"};

constexpr std::array<std::string_view, kSmsRemoteOff> kHours = {
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12",
    "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24"};

}  // namespace

std::optional<MessagePair> EmailAddressProblem(std::string_view address) {
    if (address.find('@') == std::string_view::npos) {
        return kNoAt;
    }
    if (address.find('.') == std::string_view::npos) {
        return kNoDot;
    }
    return std::nullopt;
}

std::array<std::string_view, kSmsRemoteOff + 1> SmsRemoteEntries(std::string_view offWord) {
    std::array<std::string_view, kSmsRemoteOff + 1> entries{};
    std::copy(kHours.begin(), kHours.end(), entries.begin());
    entries[kSmsRemoteOff] = offWord;
    return entries;
}

std::optional<MessagePair> PortNumberProblem(std::string_view port) {
    constexpr std::size_t kMostDigits = 5;
    constexpr int kHighestPort = 65535;
    const std::optional<int> value =
        AllDigits(port) && port.size() <= kMostDigits ? ParseInt(port) : std::nullopt;
    if (value && *value >= 1 && *value <= kHighestPort) {
        return std::nullopt;
    }
    return MessagePair{"端口必须是 1 到 65535 之间的数字",
                       "the port must be a number from 1 to 65535"};
}

}  // namespace tov
