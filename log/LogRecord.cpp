#include "log/LogRecord.h"

#include <algorithm>
#include <cstdio>

namespace {

struct NamedValue {
    unsigned int value;
    unsigned int stringId;
};

const NamedValue levelNames[] = {{1, 11600}, {2, 11601}, {4, 11602}, {8, 11603}};

// Not in value order: 0x80000 and 0x100000 swap their ids.
const NamedValue cateNames[] = {
    {0x1, 11632},     {0x2, 11633},      {0x10000, 11616},  {0x20000, 11617},  {0x40000, 11618},
    {0x80000, 11621}, {0x100000, 11619}, {0x200000, 11620}, {0x400000, 11622},
};

template <size_t N> unsigned int FindStringId(const NamedValue (&names)[N], unsigned int value) {
    for (const NamedValue& name : names) {
        if (name.value == value)
            return name.stringId;
    }
    return 0;
}

// The locale must not translate the date: readers of old log files expect these names.
const char* const weekdayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const monthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

template <size_t N> const char* NameAt(const char* const (&names)[N], int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? names[index] : "???";
}

} // namespace

unsigned int LogLevelStringId(unsigned int level) {
    return FindStringId(levelNames, level);
}

unsigned int LogCateStringId(unsigned int cate) {
    return FindStringId(cateNames, cate);
}

void FormatLogValueHex(unsigned int value, char* text, unsigned int size) {
    if (text && size > 0)
        std::snprintf(text, size, "%08X", value);
}

unsigned int BuildLogRecord(const char* levelText, const char* cateText, const char* message,
                            char (&record)[kLogRecordSize]) {
    const int formatted =
        std::snprintf(record, kLogRecordMaxText + 1, "%s -- %s -- %s", levelText ? levelText : "",
                      cateText ? cateText : "", message ? message : "");
    const unsigned int length =
        formatted < 0 ? 0 : std::min(static_cast<unsigned int>(formatted), kLogRecordMaxText);
    // One record is one line whatever the texts hold.
    std::replace(record, record + length, '\n', ' ');
    record[length] = '\r';
    record[length + 1] = '\n';
    record[length + 2] = '\0';
    return length + 2;
}

unsigned int BuildLogSizeMarker(const std::tm& now, char (&line)[kLogMarkerSize]) {
    // Out-of-range fields would lengthen the date; the line keeps its first 24 characters.
    char date[80]; // room for every field at its widest and the terminator
    std::snprintf(date, sizeof date, "%s %s %02d %02d:%02d:%02d %04lld",
                  NameAt(weekdayNames, now.tm_wday), NameAt(monthNames, now.tm_mon), now.tm_mday,
                  now.tm_hour, now.tm_min, now.tm_sec, now.tm_year + 1900LL);
    const int written = std::snprintf(
        line, sizeof line, "LogFile size limitation -- Message flushed on %.24s\r\n", date);
    return written < 0 ? 0 : std::min(static_cast<unsigned int>(written), kLogMarkerSize - 1);
}

DWORD SetOptionBits(DWORD& option, DWORD value, DWORD mask) {
    const DWORD previous = option;
    option = (value & mask) | (previous & ~mask);
    return previous;
}
