// The colours of the test picture, which both videos and the indexed BMP file carry as their
// colour table.
#pragma once

#include <vector>

namespace testmedia {

// Every colour FramePixel returns for the video's frames, each once, as COLORREFs.
std::vector<unsigned long> PictureColours();

} // namespace testmedia
