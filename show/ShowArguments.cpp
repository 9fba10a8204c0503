#include "show/ShowArguments.h"

#include <cstdlib>
#include <cstring>

namespace {

// The same bounds as a show's Size.
constexpr int kSmallestSide = 64;
constexpr int kLargestSide = 4096;

bool ReadNumber(const char* text, int most, int& number) {
    if (!*text || std::strlen(text) > 4 || std::strspn(text, "0123456789") != std::strlen(text))
        return false;
    number = std::atoi(text);
    return number >= 1 && number <= most;
}

bool ReadWindow(const char* text, ShowArguments& arguments) {
    const char* times = std::strchr(text, 'x');
    if (!times)
        return false;
    const std::string width(text, times);
    return ReadNumber(width.c_str(), kLargestSide, arguments.windowWidth) &&
           ReadNumber(times + 1, kLargestSide, arguments.windowHeight) &&
           arguments.windowWidth >= kSmallestSide && arguments.windowHeight >= kSmallestSide;
}

} // namespace

std::optional<ShowArguments> ParseShowArguments(int argc, char** argv) {
    ShowArguments arguments;
    bool window = false, folder = false, start = false;
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (option[0] != '-') {
            if (!arguments.showFile.empty())
                return std::nullopt;
            arguments.showFile = option;
            continue;
        }
        bool* seen = !std::strcmp(option, "--window")   ? &window
                     : !std::strcmp(option, "--export") ? &folder
                     : !std::strcmp(option, "--start")  ? &start
                                                        : nullptr;
        if (!seen || *seen || !value || !*value)
            return std::nullopt;
        *seen = true;
        ++i;
        if (seen == &folder)
            arguments.exportFolder = value;
        else if (seen == &window ? !ReadWindow(value, arguments)
                                 : !ReadNumber(value, kLargestSide, arguments.start))
            return std::nullopt;
    }
    if (arguments.showFile.empty())
        return std::nullopt;
    return arguments;
}
