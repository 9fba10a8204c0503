// Readers of numbers, colours, names and lengths of a show document's values.
#include "show/ShowValues.h"

#include "QernoGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::vector<std::string_view> SplitFields(std::string_view value) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = value.find(',');
        fields.push_back(TrimProfileText(value.substr(0, comma)));
        if (comma == std::string_view::npos)
            return fields;
        value.remove_prefix(comma + 1);
    }
}

bool ReadWhole(std::string_view text, int low, int high, int& out) {
    if (text.empty())
        return false;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        // Stopping just past high keeps any run of digits from overflowing.
        value = std::min<long long>(value * 10 + (c - '0'), high + 1LL);
    }
    if (value < low || value > high)
        return false;
    out = static_cast<int>(value);
    return true;
}

std::string WholeForm(int low, int high) {
    return "a whole number from " + std::to_string(low) + " to " + std::to_string(high);
}

bool ReadColor(std::string_view text, std::uint32_t& out) {
    if (text.size() != 7 || text[0] != '#')
        return false;
    std::uint32_t rgb = 0;
    for (const char c : text.substr(1)) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return false;
        rgb = rgb << 4 | static_cast<std::uint32_t>(digit);
    }
    out = (rgb >> 16) | (rgb & 0x00FF00) | (rgb & 0xFF) << 16;
    return true;
}

void ReadText(std::string_view text, std::size_t length, std::string& out) {
    out.assign(text.substr(0, length));
}

bool ReadName(std::string_view text, std::size_t length, std::string& out) {
    if (text.empty() || text.size() > length)
        return false;
    out.assign(text);
    return true;
}

bool UnitReader::ReadLength(std::string_view text, int& lines) const {
    const bool negative = !text.empty() && text.front() == '-';
    text.remove_prefix(negative);
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::string_view decimals = text.substr(std::min(point + 1, text.size()));
    if (decimals.size() > 3)
        return false;
    // The largest value, in thousandths, that converts within the library's limit.
    const long most = std::lround(LineToUnit(kMaxUnitLines, show_.unit, 0) * 1000.0);
    int whole = 0, fraction = 0;
    if (!ReadWhole(text.substr(0, point), 0, static_cast<int>(most / 1000), whole) ||
        (!decimals.empty() && !ReadWhole(decimals, 0, 999, fraction)))
        return false;
    for (std::size_t place = decimals.size(); place < 3; ++place)
        fraction *= 10;
    const long thousandths = whole * 1000L + fraction;
    if (thousandths > most)
        return false;
    // Written anew, since the library reads only a text's first 49 characters and leading
    // zeros could push the decimals past them.
    char canonical[24];
    std::snprintf(canonical, sizeof canonical, "%s%ld.%03ld", negative ? "-" : "",
                  thousandths / 1000, thousandths % 1000);
    lines = UnitToLine(UnitStrToUnit(canonical), show_.unit, 0);
    return true;
}

bool UnitReader::ReadPosition(std::string_view text, int limit, int& lines) const {
    int read = 0;
    if (!ReadLength(text, read) || read < 0 || read > limit)
        return false;
    lines = read;
    return true;
}

bool UnitReader::ReadSize(std::string_view text, int limit, int& lines) const {
    int read = 0;
    if (!ReadLength(text, read) || read <= 0 || read > limit)
        return false;
    lines = read;
    return true;
}

std::string UnitReader::SizeForm(int limit) const {
    return std::string("a length in ") + UnitName() + " above 0 and at most " + Shown(limit);
}

bool UnitReader::ReadBox(const std::string_view* fields, ShowBox& box) const {
    ShowBox read;
    if (!ReadPosition(fields[0], show_.pageWidth, read.x) ||
        !ReadPosition(fields[1], show_.pageHeight, read.y) ||
        !ReadSize(fields[2], show_.pageWidth - read.x, read.width) ||
        !ReadSize(fields[3], show_.pageHeight - read.y, read.height))
        return false;
    box = read;
    return true;
}

bool UnitReader::ReadPoint(const std::string_view* fields, int& x, int& y) const {
    int readX = 0, readY = 0;
    if (!ReadPosition(fields[0], show_.pageWidth, readX) ||
        !ReadPosition(fields[1], show_.pageHeight, readY))
        return false;
    x = readX;
    y = readY;
    return true;
}

std::string UnitReader::WithinPage() const {
    return std::string("in ") + UnitName() + " within the " + Shown(show_.pageWidth) + "x" +
           Shown(show_.pageHeight) + " page";
}

std::string UnitReader::Shown(int lines) const {
    char text[kUnitTextSize];
    UnitToUnitStr(LineToUnit(lines, show_.unit, 0), text);
    std::string shown(text);
    shown.erase(shown.find_last_not_of('0') + 1);
    if (shown.back() == '.')
        shown.pop_back();
    return shown;
}

const char* UnitReader::UnitName() const {
    switch (show_.unit) {
    case kUnitPoint:
        return "points";
    case kUnitMillimetre:
        return "millimetres";
    case kUnitCentimetre:
        return "centimetres";
    default:
        return "inches";
    }
}
