// A registry value rendered as one line of text, for listings and log messages.
#pragma once

// Writes the text for a value of the given registry type into out, cut to outSize - 1
// characters and terminated (nothing at all for outSize 0). Reads at most dataSize bytes of
// data, whether or not its strings are terminated. Returns 1.
int ConvertKeyValueDataText(unsigned long type, const char* data, unsigned long dataSize, char* out,
                            unsigned long outSize);
