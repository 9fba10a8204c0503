// The families of fancy-character designs, in the order their styles are numbered.
#pragma once

#include "fancy_design.h"

#include <vector>

namespace qerno::resgen::fancy {

std::vector<Design> RuledLineDesigns();
std::vector<Design> DotAndFigureDesigns();
std::vector<Design> NatureDesigns();
std::vector<Design> GeometricDesigns();
std::vector<Design> FlowingDesigns();

} // namespace qerno::resgen::fancy
