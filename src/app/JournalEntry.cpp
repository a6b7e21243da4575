// The date and time of a journal entry.
#include "app/JournalEntry.h"

#include <cstdio>

namespace zul {

Stamp StampOf(std::time_t t) {
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) return {};
    char date[32];
    char time[32];
    // Integers only: the process locale has no say in these texts.
    std::snprintf(date, sizeof date, "%02d.%02d.%04d", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return {date, time};
}

Stamp StampNow() { return StampOf(std::time(nullptr)); }

}  // namespace zul
