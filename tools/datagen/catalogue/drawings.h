// The schematic drawings of the technical data sheets, one per drawing name of the catalogue.
#pragma once

#include "catalogue/catalogrecords.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velor::datagen {

/// The placeable metafile of the drawing `name` (the type code without spaces), with its
/// proportions and dimension letters from `sample`, a technical-data record of a representative
/// size of the type. Empty for a name without a drawing family.
std::vector<std::uint8_t> drawingFor(const std::string& name, const THERec& sample);

} // namespace velor::datagen
