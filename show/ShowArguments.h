// The player's command line:
//   QernoShow.exe [--window WxH] [--export DIR] [--start N] show-file
#pragma once

#include <optional>
#include <string>

struct ShowArguments {
    std::string showFile;
    std::string exportFolder;              // empty: play on screen
    int windowWidth = 0, windowHeight = 0; // 0: the show's Size
    int start = 1;
};

constexpr char kShowUsage[] =
    "usage: QernoShow.exe [--window WxH] [--export DIR] [--start N] show-file";

// Null when an option is unknown, repeated, lacks its value or has a wrong one, or when there is
// not exactly one show file.
std::optional<ShowArguments> ParseShowArguments(int argc, char** argv);
