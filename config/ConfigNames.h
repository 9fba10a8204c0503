// The names of a document's companion files: the document's name with another suffix.
#pragma once

#include <cstddef>

// Writes name into out with everything from its last '.' (the dot included) replaced by suffix;
// a name without a dot is written unchanged. The last dot may stand in a directory part: the
// replacement starts there all the same. A name that would not fit in outSize - 1 characters is
// refused rather than cut, since a cut name points at another file: out is then left empty and
// the result is false.
bool ReplaceNameSuffix(const char* name, const char* suffix, char* out, std::size_t outSize);
