#pragma once

#include "model/alignmentdata.h"

#include <string>
#include <vector>

namespace Ko {

// Threads: any thread, one solve at a time.

class IAligner;

// Solves the model from one to three pairs with the solver step of that count; false for any
// other count or when the solver rejects them (then nothing is stored).
bool alignPairs(IAligner& aligner, const std::vector<std::string>& names,
                const std::vector<ALIGNMENT_PAIR>& pairs);

} // namespace Ko
