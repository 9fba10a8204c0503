// Reads a show document from its profile, checking every value the player will use.
#pragma once

#include "show/ShowDocument.h"
#include "show/ShowProfile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An unknown section (key empty) or an unknown key: ignored, and the show still plays.
struct ShowWarning {
    std::string section;
    std::string key;
};

// A value the player cannot use, which stops the reading. key is empty when the section itself
// is wrong or missing; found is empty when what was expected is missing.
struct ShowError {
    std::string section;
    std::string key;
    std::string expected;
    std::optional<std::string> found;
};

// The document when every value could be used, else the error; the warnings found until then.
struct ShowReading {
    std::optional<ShowDocument> document;
    std::vector<ShowWarning> warnings;
    ShowError error;
};

ShowReading ReadShow(const ShowProfile& profile);

// FILE: [SECTION] KEY: expected FORM, found "VALUE" (or found nothing), one line: control
// characters are shown as \xNN and long values are cut.
std::string FormatShowError(std::string_view file, const ShowError& error);
// FILE: [SECTION] KEY: unknown key, ignored (or: unknown section, ignored).
std::string FormatShowWarning(std::string_view file, const ShowWarning& warning);
