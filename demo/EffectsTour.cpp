#include "EffectsTour.h"

bool TourEffects(HWND, const std::string&) {
    return true;
}
