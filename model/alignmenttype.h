#pragma once

#include <QtCore/qobjectdefs.h>

namespace Ko {

// How a pointing model was made; kept in the model record as its integer value. The brightest-
// star and north-level alignments count as two-star models.
// Threads: any thread.
struct AlignmentType_ {
    Q_GADGET
public:
    enum E : int { Star1 = 1, Star2 = 2, Star3 = 3, BrightestStar = 4, NorthLevel = 5 };
    Q_ENUM(E)
};

} // namespace Ko
