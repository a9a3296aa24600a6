#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/format/color_code.h"

namespace tagforge {

// The clock time the template lines show: "hh:nn:ss", two digits each.
std::string FormatClockTime(int hour, int minute, int second);

// The kill-line template: a fake moderator action in the chat's own colours.
struct KillLineFields {
    std::string ownText;
    std::string where;
    std::string action;
    std::string period;
    std::string killer;
    std::string victim;
    std::string reason;
};

// The line as it is pasted into the chat. No field is escaped or trimmed.
std::string BuildKillLine(const KillLineFields& fields, std::string_view time);

// The solitude template: "<nick> и <nick> <action>" in the chat's colours.
std::string BuildSolitudeLine(std::string_view ownText, const std::vector<std::string>& nicks,
                              std::string_view action);

// The notification kinds, by the index of the selected entry; -1 when none is selected.
enum NotificationKind : int {
    kNotificationNone = -1,
    kNotificationNotHere = 0,
    kNotificationArrival = 1,
    kNotificationTimeOut = 2,
};

// The notification template: a fake system message of the chat about one nick.
struct NotificationFields {
    std::string ownText;
    int kind = kNotificationNotHere;
    std::string nick;
    bool comeColorEnabled = false;
    ColorValue comeColor = FromColorCode("3399FF");
};

// Any kind other than "not here" and "arrival" gives the time-out message.
std::string BuildNotificationLine(const NotificationFields& fields, std::string_view time);

// The entries the kill-line boxes offer to pick from; Windows-1251.
const std::vector<std::string>& KillWherePresets();
const std::vector<std::string>& KillActionPresets();
const std::vector<std::string>& KillPeriodPresets();
const std::vector<std::string>& KillReasonPresets();

}  // namespace tagforge
