// lichaselec: selection of a list's elements by membership in another list.
#pragma once

#include "foundation/lichavo.h"

// Mode bits for lichaselec.
inline constexpr short lichaselec_found = 1;  // select elements found in reference
inline constexpr short lichaselec_remove = 2; // remove selected elements from source
inline constexpr short lichaselec_sorted = 4; // pinsertone into target, else padd

// Walk source from its last element to its first and select each element that
// is found in reference (trouvexact) when mode has bit 1, or not found without
// it. With bit 2 the selected element is removed from source. When target is
// not null the element is copied to it: with bit 4 by pinsertone (sorted, no
// duplicates), else appended with padd (so in reverse source order). Returns
// the number of selected elements. target may be reference but not source.
short lichaselec(short mode, lichavo& source, const lichavo& reference, lichavo* target);
