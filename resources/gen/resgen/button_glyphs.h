// The transport symbols drawn on the control bar's buttons.
#pragma once

#include "button_sheet.h"
#include "mono_image.h"

namespace qerno::resgen {

// A mask the size of the visible face, set where the column's symbol is drawn, centred in
// the face's bevelled interior. The unused column has no symbol.
image::MonoImage ButtonGlyph(ButtonColumn column);

} // namespace qerno::resgen
