// The keys of one [SlideN] section.
#pragma once

#include "show/ShowReader.h"

// Reads the section into slide; false with the reading's error set when a value cannot be used.
// Unknown keys add warnings.
bool ReadSlide(const ProfileSection& section, const ShowSettings& show, ShowSlide& slide,
               ShowReading& reading);
