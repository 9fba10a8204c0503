// Turning a 16 x 16 fill pattern in place, given its scratch space.
#pragma once

constexpr int kPatternSize = 32; // 16 rows of two bytes

// Angle 0 leaves the pattern; 90, 180 and 270 turn it clockwise on the screen through work
// (kPatternSize bytes); any other angle clears it.
void TurnPattern(int angle, char* pattern, char* work);
