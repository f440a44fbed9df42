#pragma once

#include "astro/angleutil.h"
#include "astro/astrocalc.h"
#include "model/alignment.h"
#include "model/tests/rotations.h"

#include <cmath>
#include <memory>

// Star pairs as a mount with a known model reads them: the true model turns the default one by
// polar-axis and index errors and adds ID, CH and NP; the measured axes of a star are what that
// model gives for the star on the chosen side of the pier.
struct TrueModel {
    int mode = 0;
    double latitude = 0;
    Ko::Matrix3 turn = matrixRows(1, 0, 0, 0, 1, 0, 0, 0, 1);
    double id = 0, ch = 0, np = 0;

    Ko::ALIGNMENT_DATA record() const {
        Ko::CLocation site;
        site.latitudeRad = latitude;
        Ko::ALIGNMENT_DATA d = Ko::makeDefaultAlignmentData(mode, site);
        Ko::Matrix3 m = turn;
        m *= d.mxhm;
        d.mxhm = m;
        d.mxmh = m;
        Ko::invert(d.mxmh);
        d.cpid = id;
        d.cpch = ch;
        d.cpnp = np;
        return d;
    }

    std::unique_ptr<Ko::Alignment> transform(Ko::FlippingMode_::E side) const {
        auto a = std::make_unique<Ko::Alignment>(
            std::make_shared<Ko::SharedAlignmentData>(record()), nullptr);
        a->setFlippingMode(side);
        return a;
    }

    // The star at (azimuth from north through east, altitude), read on the given side.
    Ko::ALIGNMENT_PAIR pairAt(double az, double alt,
                              Ko::FlippingMode_::E side = Ko::FlippingMode_::Auto) const {
        const auto [ha, dec] = Ko::AstroCalc::azAltToHourAngleDecStep(az, alt, latitude);
        const auto t = transform(side);
        const auto axes = t->skyToAxes({ha, dec}, t->referenceAxes());
        return {ha, dec, axes.first, axes.second};
    }
};

// The angle between two sky directions; exact also for tiny angles.
inline double separationOf(std::pair<double, double> p, std::pair<double, double> q) {
    const Ko::Vector3 a = Ko::directionOf(p.first, p.second);
    const Ko::Vector3 b = Ko::directionOf(q.first, q.second);
    return std::atan2(Ko::norm(Ko::cross(a, b)), Ko::dot(a, b));
}

// The largest pointing difference between the solved and the true model over the sky above 10
// degrees altitude: axes read through the true model, turned back into the sky by the solved one.
inline double worstPointingError(const TrueModel& truth, const Ko::ALIGNMENT_DATA& solved) {
    const auto t = truth.transform(Ko::FlippingMode_::Auto);
    Ko::Alignment s(std::make_shared<Ko::SharedAlignmentData>(solved), nullptr);
    double worst = 0;
    for (double alt = 10; alt <= 85; alt += 7.5)
        for (double az = 0; az < 360; az += 15) {
            const auto sky = Ko::AstroCalc::azAltToHourAngleDecStep(az * Ko::kDeg, alt * Ko::kDeg,
                                                                    truth.latitude);
            const auto axes = t->skyToAxes(sky, t->referenceAxes());
            worst = std::max(worst, separationOf(s.axesToSky(axes), sky));
        }
    return worst;
}
