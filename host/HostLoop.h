// The host's message loop, shared by the programs that host the library (the showcase, the
// player, the soak): every queued message through the library's filter, then its idle time.
#pragma once

#include <windows.h>

// One turn of the loop. Returns false once the application quits.
bool PumpMessages();

// Turns the loop for about milliseconds, waking for each message, as a host waiting on media does.
void PumpMessagesFor(DWORD milliseconds);

// Runs the loop until the application quits; the status to end with.
int RunUntilQuit();
