// The listing of every load defined, once, with the loadcases that apply it.
#pragma once

namespace kx {

// Rewrites Txt.LoadListLines (distributed loads) and Txt.PointLoadListLines (point loads) from the
// load definitions of loadcase 1 and the applied flags of loadcases 1..LoadcaseCount.
void BuildLoadsListing();

} // namespace kx
