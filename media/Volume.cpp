// The master volume and mute of mixer 0's speaker and headphone outputs.
#include "QernoMedia.h"

void QERNO_CALL ChangeVolume(unsigned int, int) {}
