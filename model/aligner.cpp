#include "model/aligner.h"

#include "astro/angleutil.h"
#include "base/clock.h"
#include "base/ilocation.h"
#include "base/koassert.h"
#include "model/alignersteps.h"
#include "model/ialignmentdatacontainer.h"
#include "model/ipermountdata.h"
#include "model/mountmode.h"

#include <cmath>
#include <exception>

namespace Ko {

namespace {

using AlignerSteps::Terms;

// More than any plausible |ID| plus polar-axis error.
constexpr double kOtherSideMargin = 2 * kDeg;

Terms termsOf(const ALIGNMENT_DATA& d) {
    return {d.cpid, d.cpch, d.cpnp};
}

bool isFiniteModel(const ALIGNMENT_DATA& d) {
    for (size_t i = 0; i < 9; ++i)
        if (!std::isfinite(d.mxhm.e[i]) || !std::isfinite(d.mxmh.e[i]))
            return false;
    return std::isfinite(d.cpid) && std::isfinite(d.cpch) && std::isfinite(d.cpnp);
}

} // namespace

Aligner::Aligner(std::shared_ptr<IAlignmentDataContainer> container,
                 std::shared_ptr<IPerMountData> perMountData, std::shared_ptr<ILocation> location,
                 std::shared_ptr<IClock> clock, std::shared_ptr<IAstroCalc> astroCalc)
    : m_container(std::move(container)), m_perMountData(std::move(perMountData)),
      m_location(std::move(location)), m_clock(std::move(clock)), m_astroCalc(std::move(astroCalc)),
      m_workHolder(std::make_shared<SharedAlignmentData>(m_work)),
      m_workAlignment(m_workHolder, nullptr) {}

void Aligner::reapply() {
    const int32_t mode = m_perMountData->lastMountMode();
    const ALIGNMENT_DATA current = m_container->get();
    ALIGNMENT_DATA d = makeDefaultAlignmentData(mode, m_location->location());
    d.cpch = current.cpch;
    d.cpnp = current.cpnp;
    m_container->setAlignmentData(d);
}

bool Aligner::align1(const std::vector<std::string>& objNames, const ALIGNMENT_PAIR& p1) {
    KO_ASSERT(objNames.size() == 1);
    return align(objNames, {p1});
}

bool Aligner::align2(const std::vector<std::string>& objNames, const ALIGNMENT_PAIR& p1,
                     const ALIGNMENT_PAIR& p2) {
    KO_ASSERT(objNames.size() == 2);
    return align(objNames, {p1, p2});
}

bool Aligner::align3(const std::vector<std::string>& objNames, const ALIGNMENT_PAIR& p1,
                     const ALIGNMENT_PAIR& p2, const ALIGNMENT_PAIR& p3) {
    KO_ASSERT(objNames.size() == 3);
    return align(objNames, {p1, p2, p3});
}

bool Aligner::align(const std::vector<std::string>& objNames, std::vector<ALIGNMENT_PAIR> given) {
    const int32_t mode = m_perMountData->lastMountMode();
    const ALIGNMENT_DATA current = m_container->get();
    std::vector<ALIGNMENT_PAIR> pairs = given;
    for (auto& p : pairs) {
        p.ha = wrapToPi(p.ha);
        p.dec = wrapToPi(p.dec);
        if (mode != MountMode_::EQ) {
            p.axis1 = wrapToPi(p.axis1);
            p.axis2 = wrapToPi(p.axis2);
        }
    }
    bool solved = false;
    try {
        solved = solve(pairs, current.cpch, current.cpnp) && isFiniteModel(m_work);
    } catch (const std::exception&) {
        solved = false;
    }
    if (!solved)
        return false;
    m_work.dtma = int32_t(pairs.size());
    m_work.muta = m_clock->nowMs();
    m_work.pairs = std::move(given);
    m_work.objNames = objNames;
    m_container->setAlignmentData(m_work);
    return true;
}

bool Aligner::solve(std::vector<ALIGNMENT_PAIR>& pairs, double ch, double np) {
    switch (pairs.size()) {
    case 1:
        resetWork(0, ch, np);
        return solve1(pairs[0]);
    case 2:
        resetWork(0, ch, np);
        return solve2(pairs[0], pairs[1]);
    default:
        resetWork(0, 0, np);
        return solve3({pairs[0], pairs[1], pairs[2]});
    }
}

void Aligner::resetWork(double id, double ch, double np) {
    m_work = makeDefaultAlignmentData(m_perMountData->lastMountMode(), m_location->location());
    m_work.cpid = id;
    m_work.cpch = ch;
    m_work.cpnp = np;
    m_workHolder->set(m_work);
}

std::pair<double, double> Aligner::defaultAxes(const ALIGNMENT_PAIR& p) const {
    const std::pair sky{p.ha, p.dec};
    const auto autoSide = m_workAlignment.uncorrectedSkyToAxes(sky, FlippingMode_::Auto);
    if (m_work.mountMode.value() != MountMode_::EQ)
        return autoSide;
    // A star centred on the other side of the pier (past the meridian with flips off, or synced
    // there by a planetarium program) is measured against that side's axes: against the Auto
    // side's, axis 2 would be off by up to twice the star's polar distance.
    const bool autoFlips = m_workAlignment.shouldFlip(sky, FlippingMode_::Auto);
    const auto otherSide = m_workAlignment.uncorrectedSkyToAxes(
        sky, autoFlips ? FlippingMode_::No : FlippingMode_::Yes);
    const double autoMiss = std::fabs(wrapToPi(autoSide.second - p.axis2));
    const double otherMiss = std::fabs(wrapToPi(otherSide.second - p.axis2));
    // Near the pole both sides' axis 2 lie within |ID| plus the polar error of the measurement, so
    // the nearer one says nothing: the side the flipping rule picks holds unless the other is
    // clearly nearer.
    return otherMiss + kOtherSideMargin < autoMiss ? otherSide : autoSide;
}

bool Aligner::solve1(const ALIGNMENT_PAIR& p) {
    const auto [a1, a2] = defaultAxes(p);
    m_work.cpid = a2 - p.axis2;
    const double d = a1 - AlignerSteps::correctedAxes(p, termsOf(m_work)).first;
    Matrix3 r;
    r.e = {std::cos(d), std::sin(d), 0, -std::sin(d), std::cos(d), 0, 0, 0, 1};
    r *= m_work.mxhm;
    Matrix3 inverse = r;
    if (invert(inverse) != 0)
        return false;
    m_work.mxhm = r;
    m_work.mxmh = inverse;
    return true;
}

bool Aligner::solve2(const ALIGNMENT_PAIR& p1, const ALIGNMENT_PAIR& p2) {
    m_work.cpid = ((defaultAxes(p1).second - p1.axis2) + (defaultAxes(p2).second - p2.axis2)) * 0.5;
    const Nullable<double> id = AlignerSteps::solveId(p1, p2, termsOf(m_work));
    if (!id.hasValue())
        return false;
    m_work.cpid = id.value();
    return AlignerSteps::rotationFromPairs(p1, p2, termsOf(m_work), m_work.mxhm, m_work.mxmh);
}

bool Aligner::solve3(const ALIGNMENT_PAIR (&pairs)[3]) {
    double cosA2[3], offA2[3];
    for (int i = 0; i < 3; ++i) {
        const double a2 = defaultAxes(pairs[i]).second;
        cosA2[i] = std::cos(a2);
        offA2[i] = wrapToPi(a2 - pairs[i].axis2);
    }
    const int partnerIndex = AlignerSteps::chPartner(pairs, cosA2);
    const ALIGNMENT_PAIR& partner = pairs[partnerIndex];
    // The alternation alone often runs away from the true terms; started at them it settles in a
    // round or two.
    const Nullable<AlignerSteps::Terms> start = AlignerSteps::fixedPointTerms(
        pairs, partnerIndex, m_work.cpnp, (offA2[0] + offA2[1]) * 0.5);
    if (start.hasValue()) {
        m_work.cpid = start.value().id;
        m_work.cpch = start.value().ch;
    }
    for (int round = 0; round < kMaxRounds; ++round) {
        const Nullable<double> id = AlignerSteps::solveId(pairs[0], pairs[1], termsOf(m_work));
        if (!id.hasValue())
            return false;
        const double idMoved = std::fabs(id.value() - m_work.cpid);
        m_work.cpid = id.value();
        const Nullable<double> ch = AlignerSteps::solveCh(partner, pairs[2], termsOf(m_work));
        if (!ch.hasValue())
            return false;
        const double chMoved = std::fabs(ch.value() - m_work.cpch);
        m_work.cpch = ch.value();
        if (idMoved < kSettled && chMoved < kSettled)
            return AlignerSteps::rotationFromPairs(pairs[0], pairs[1], termsOf(m_work), m_work.mxhm,
                                                   m_work.mxmh);
    }
    return false;
}

} // namespace Ko
