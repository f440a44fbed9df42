#pragma once

#include "base/nullable.h"
#include "model/alignmentdata.h"

#include <utility>

// The steps of the model solve, each a pure function of star pairs and model terms (radians).
// Sky positions of the pairs are observed hour angle and declination.
// Threads: any thread.
namespace Ko::AlignerSteps {

struct Terms {
    double id = 0;
    double ch = 0;
    double np = 0;
};

// The pair's axes as the model sees them: axis 2 + ID, and axis 1 + CH / cos + NP * tan of that.
std::pair<double, double> correctedAxes(const ALIGNMENT_PAIR& p, const Terms& t);
// The ID that makes the angle between the two corrected mount directions equal the stars'
// separation, starting from t.id; empty when no ID can (or the result is not finite).
Nullable<double> solveId(const ALIGNMENT_PAIR& p, const ALIGNMENT_PAIR& q, const Terms& t);
// The CH that does the same for axis 1 under t.id and t.np (t.ch is not used); empty likewise,
// also when both stars share one axis-2 cosine.
Nullable<double> solveCh(const ALIGNMENT_PAIR& p, const ALIGNMENT_PAIR& q, const Terms& t);
// The rotation that takes the two stars' sky directions onto their corrected mount directions,
// and its inverse; false when either frame is singular.
bool rotationFromPairs(const ALIGNMENT_PAIR& p1, const ALIGNMENT_PAIR& p2, const Terms& t,
                       Matrix3& mxhm, Matrix3& mxmh);
// Which of stars 1 and 2 (0 or 1) serves star 3 in the CH solve: one far enough from star 3 in
// axis 1, preferring the larger difference of 1 / cos(axis 2). cosA2 are the cosines of the three
// default axis-2 angles.
int chPartner(const ALIGNMENT_PAIR (&pairs)[3], const double (&cosA2)[3]);
// The largest angle between a star's sky direction and where the model made from stars 1 and 2
// under t places its measured axes; empty when that model cannot be made.
Nullable<double> worstStarResidual(const ALIGNMENT_PAIR (&pairs)[3], const Terms& t);
// The ID and CH that one round of the three-star alternation (ID from stars 1 and 2, then CH from
// the partner and star 3) gives back unchanged, found by a secant search on CH from several
// starting values; of the roots found, the one that points the three stars best. Empty when no
// start finds one. The ID solve has two branches, chosen by the sign of the corrected axis-2 sum:
// firstId, where the search of each start begins, should lie on the true one (for stars 1 and 2
// read on the flipped side that sum is near a whole turn, and ID 0 may lie on the other).
Nullable<Terms> fixedPointTerms(const ALIGNMENT_PAIR (&pairs)[3], int partner, double np,
                                double firstId);

} // namespace Ko::AlignerSteps
