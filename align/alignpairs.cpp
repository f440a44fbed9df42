#include "align/alignpairs.h"

#include "model/ialigner.h"

namespace Ko {

bool alignPairs(IAligner& aligner, const std::vector<std::string>& names,
                const std::vector<ALIGNMENT_PAIR>& pairs) {
    switch (pairs.size()) {
    case 1:
        return aligner.align1(names, pairs[0]);
    case 2:
        return aligner.align2(names, pairs[0], pairs[1]);
    case 3:
        return aligner.align3(names, pairs[0], pairs[1], pairs[2]);
    default:
        return false;
    }
}

} // namespace Ko
