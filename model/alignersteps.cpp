#include "model/alignersteps.h"

#include "astro/angleutil.h"

#include <algorithm>
#include <cmath>

namespace Ko::AlignerSteps {

namespace {

// Star 3 and its partner must differ by more than this in axis 1 (and by as much from a half
// turn): closer, the CH solve divides almost nothing by almost nothing.
constexpr double kMinAxis1Apart = 5 * kDeg;

double skySeparationCos(const ALIGNMENT_PAIR& p, const ALIGNMENT_PAIR& q) {
    return std::sin(p.dec) * std::sin(q.dec) +
           std::cos(p.dec) * std::cos(q.dec) * std::cos(p.ha - q.ha);
}

} // namespace

std::pair<double, double> correctedAxes(const ALIGNMENT_PAIR& p, const Terms& t) {
    const double y = p.axis2 + t.id;
    return {p.axis1 + t.ch / std::cos(y) + t.np * std::tan(y), y};
}

Nullable<double> solveId(const ALIGNMENT_PAIR& p, const ALIGNMENT_PAIR& q, const Terms& t) {
    const auto [xP, yP] = correctedAxes(p, t);
    const auto [xQ, yQ] = correctedAxes(q, t);
    const double c = std::cos(xP - xQ);
    const double cq = (2 * skySeparationCos(p, q) - std::cos(yP - yQ) * (c + 1)) / (c - 1);
    if (!std::isfinite(cq) || std::fabs(cq) > 1)
        return {};
    const double s = wrapToPi(yP + yQ);
    const double a = s < 0 ? -std::acos(cq) : std::acos(cq);
    const double id = t.id + (a - s) * 0.5;
    if (!std::isfinite(id))
        return {};
    return id;
}

Nullable<double> solveCh(const ALIGNMENT_PAIR& p, const ALIGNMENT_PAIR& q, const Terms& t) {
    const Terms noCh{t.id, 0.0, t.np};
    const auto [xP, yP] = correctedAxes(p, noCh);
    const auto [xQ, yQ] = correctedAxes(q, noCh);
    const double cq =
        (skySeparationCos(p, q) - std::sin(yP) * std::sin(yQ)) / (std::cos(yP) * std::cos(yQ));
    if (!std::isfinite(cq) || std::fabs(cq) > 1)
        return {};
    const double s = wrapToPi(xP - xQ);
    const double a = s > 0 ? std::acos(cq) : -std::acos(cq);
    const double ch = (a - s) / (1 / std::cos(yP) - 1 / std::cos(yQ));
    if (!std::isfinite(ch))
        return {};
    return ch;
}

bool rotationFromPairs(const ALIGNMENT_PAIR& p1, const ALIGNMENT_PAIR& p2, const Terms& t,
                       Matrix3& mxhm, Matrix3& mxmh) {
    const auto [x1, y1] = correctedAxes(p1, t);
    const auto [x2, y2] = correctedAxes(p2, t);
    const Vector3 m1 = directionOf(x1, y1), m2 = directionOf(x2, y2);
    const Vector3 h1 = directionOf(p1.ha, p1.dec), h2 = directionOf(p2.ha, p2.dec);
    Matrix3 M, S;
    setColumn(M, 0, m1);
    setColumn(M, 1, m2);
    setColumn(M, 2, normalize(cross(m1, m2)));
    setColumn(S, 0, h1);
    setColumn(S, 1, h2);
    setColumn(S, 2, normalize(cross(h1, h2)));
    Matrix3 sInv = S, mInv = M;
    if (invert(sInv) != 0 || invert(mInv) != 0)
        return false;
    mxhm = M;
    mxhm *= sInv;
    mxmh = S;
    mxmh *= mInv;
    return true;
}

int chPartner(const ALIGNMENT_PAIR (&pairs)[3], const double (&cosA2)[3]) {
    const double d13 = std::fabs(wrapToPi(pairs[0].axis1 - pairs[2].axis1));
    const double d23 = std::fabs(wrapToPi(pairs[1].axis1 - pairs[2].axis1));
    if (d13 < kMinAxis1Apart || d13 > kPi - kMinAxis1Apart)
        return 1;
    if (d23 <= kMinAxis1Apart || d23 >= kPi - kMinAxis1Apart)
        return 0;
    const double w2 = std::fabs(1 / cosA2[1] - 1 / cosA2[2]);
    const double w1 = std::fabs(1 / cosA2[0] - 1 / cosA2[2]);
    return w2 > w1 ? 1 : 0;
}

Nullable<double> worstStarResidual(const ALIGNMENT_PAIR (&pairs)[3], const Terms& t) {
    Matrix3 mxhm, mxmh;
    if (!rotationFromPairs(pairs[0], pairs[1], t, mxhm, mxmh))
        return {};
    double worst = 0;
    for (const ALIGNMENT_PAIR& p : pairs) {
        const auto [x, y] = correctedAxes(p, t);
        const Vector3 placed = mxmh * directionOf(x, y);
        const Vector3 sky = directionOf(p.ha, p.dec);
        worst = std::max(worst, std::atan2(norm(cross(placed, sky)), dot(placed, sky)));
    }
    if (!std::isfinite(worst))
        return {};
    return worst;
}

namespace {

// The search on CH behind fixedPointTerms. g(CH) is how far one round moves CH: the ID of stars 1
// and 2 settled at that CH, then the CH of the partner and star 3 at that ID, less the trial CH.
// The truth is a root of g, but a repelling fixed point of the round itself wherever one round
// moves CH by more than it was off, which is common: the alternation alone then runs away from it.
class FixedPointSearch {
public:
    FixedPointSearch(const ALIGNMENT_PAIR (&pairs)[3], int partner, double np, double firstId)
        : m_pairs(pairs), m_partner(pairs[partner]), m_np(np), m_firstId(firstId) {}

    Nullable<Terms> run() {
        constexpr double kArcmin = kDeg / 60;
        constexpr double kStarts[] = {0,
                                      5 * kArcmin,
                                      -5 * kArcmin,
                                      10 * kArcmin,
                                      -10 * kArcmin,
                                      20 * kArcmin,
                                      -20 * kArcmin,
                                      40 * kArcmin,
                                      -40 * kArcmin};
        Nullable<Terms> best;
        double bestResidual = 0;
        for (const double start : kStarts) {
            const Nullable<Terms> root = secantFrom(start);
            if (!root.hasValue())
                continue;
            const Nullable<double> residual = worstStarResidual(m_pairs, root.value());
            if (!residual.hasValue())
                continue;
            if (!best.hasValue() || residual.value() < bestResidual) {
                best = root;
                bestResidual = residual.value();
            }
        }
        return best;
    }

private:
    struct Point {
        double ch = 0;
        double g = 0;
        double id = 0;
    };

    static constexpr double kIdSettled = 1e-12;
    static constexpr int kMaxIdRounds = 30;
    static constexpr double kRoot = 1e-9;
    static constexpr int kMaxSteps = 40;
    static constexpr int kMaxHalvings = 12;
    static constexpr double kMaxCh = 0.5;

    Nullable<Point> evaluate(double ch) {
        Terms t{m_lastId, ch, m_np};
        for (int i = 0; i < kMaxIdRounds; ++i) {
            const Nullable<double> id = solveId(m_pairs[0], m_pairs[1], t);
            if (!id.hasValue())
                return {};
            const double moved = std::fabs(id.value() - t.id);
            t.id = id.value();
            if (moved < kIdSettled)
                break;
        }
        const Nullable<double> next = solveCh(m_partner, m_pairs[2], t);
        if (!next.hasValue())
            return {};
        m_lastId = t.id;
        return Point{ch, next.value() - ch, t.id};
    }

    // From a, a step towards b, halved while g is undefined there.
    Nullable<Point> stepTowards(const Point& a, double b) {
        double step = b - a.ch;
        for (int i = 0; i <= kMaxHalvings; ++i, step *= 0.5) {
            const Nullable<Point> p = evaluate(a.ch + step);
            if (p.hasValue())
                return p;
        }
        return {};
    }

    Nullable<Terms> secantFrom(double start) {
        constexpr double kFirstStep = kDeg / 60;
        m_lastId = m_firstId;
        const Nullable<Point> first = evaluate(start);
        if (!first.hasValue())
            return {};
        Point a = first.value();
        if (std::fabs(a.g) < kRoot)
            return Terms{a.id, a.ch, m_np};
        const Nullable<Point> second = stepTowards(a, a.ch + (a.g > 0 ? kFirstStep : -kFirstStep));
        if (!second.hasValue())
            return {};
        Point b = second.value();
        for (int step = 0; step < kMaxSteps; ++step) {
            if (std::fabs(b.g) < kRoot)
                return Terms{b.id, b.ch, m_np};
            if (b.g == a.g || std::fabs(b.ch) > kMaxCh)
                return {};
            const double next = b.ch - b.g * (b.ch - a.ch) / (b.g - a.g);
            const Nullable<Point> c = stepTowards(b, next);
            if (!c.hasValue())
                return {};
            a = b;
            b = c.value();
        }
        return {};
    }

    const ALIGNMENT_PAIR (&m_pairs)[3];
    const ALIGNMENT_PAIR& m_partner;
    const double m_np;
    const double m_firstId;
    double m_lastId = 0;
};

} // namespace

Nullable<Terms> fixedPointTerms(const ALIGNMENT_PAIR (&pairs)[3], int partner, double np,
                                double firstId) {
    return FixedPointSearch(pairs, partner, np, firstId).run();
}

} // namespace Ko::AlignerSteps
