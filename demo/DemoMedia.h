// The test sounds and videos the build puts in a media folder beside the demo.
#pragma once

#include <string>

std::string DemoMediaPath(const char* file);
