// The copy of a display name into a caller's buffer, apart from the loading of the name.
#pragma once

// Copies name into buffer cut to size - 1 characters and terminated; a null buffer or a size
// below 1 receives nothing. Returns the full length of name either way.
int CopyNameCut(const char* name, char* buffer, int size);
