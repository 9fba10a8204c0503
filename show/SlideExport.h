// Writes the slides of a show as PNG files, without waiting for anything.
#pragma once

#include "show/ShowDocument.h"
#include "show/ShowMedia.h"

#include <windows.h>

#include <string>

// Every slide into folder as slide-NN.png at size pixels, and for a slide with a transition the
// transition's middle frame as slide-NN-transition.png; the folder is made when missing. False,
// reported through media, when a file cannot be written.
bool ExportSlides(const ShowDocument& document, SIZE size, ShowMedia& media,
                  const std::string& folder);
