// The one place where the library's prompts meet the user: a modal box, or for an unattended
// host the answer the box would default to, logged instead.
#pragma once

#include <windows.h>

enum class PromptBoxKind {
    kLibrary, // the library's own message box
    kSystem,  // the system's, with its own caption when none is given
};

int ShowPromptBox(HWND owner, const char* text, const char* caption, UINT flags,
                  PromptBoxKind kind = PromptBoxKind::kLibrary);
