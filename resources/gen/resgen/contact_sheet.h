// One picture of every generated resource, magnified and labelled, for people to review.
#pragma once

#include "canvas.h"
#include "resource_set.h"

namespace qerno::resgen {

image::Canvas ContactSheet(const ResourceSet& resources);

} // namespace qerno::resgen
