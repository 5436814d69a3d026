// Moving the selected result and the customer between a project record and the records the
// rest of the program works with.
#pragma once

#include "app/projectfile.h"
#include "directory/directory.h"
#include "engine/result.h"

namespace velor {

/// Stores `result` as the project's saved result: size name, type file, the 23 saved values, the
/// fouling factor it used and `Tubular`. `TechDataName` is set apart from the Design page
/// (techDataDesignation); the vapor connection velocity is not kept by the file.
void storeResult(TProjectFileRec& rec, const TResultTypeB& result);

/// The one-record result list of an opened project: filled from the saved values, with the
/// designation as `TechDataName`, the saved result fouling factor and `VapVelConHS` 0.
TResultTypeB restoredResult(const TProjectFileRec& rec);

/// The customer texts of the project, for recording in the customer file (`Number` 0).
TCustomerRec customerOf(const TProjectFileRec& rec);

} // namespace velor
