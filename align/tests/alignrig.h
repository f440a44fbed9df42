#pragma once

#include "astro/angleutil.h"
#include "astro/qastroformat.h"
#include "base/toastmanageruistub.h"
#include "catalog/astroobj.h"
#include "catalog/icataloglistraw.h"
#include "catalog/isolarsystem.h"
#include "catalog/tests/catalogsettingsrig.h"
#include "model/aligner.h"
#include "model/alignment.h"
#include "model/alignmentdatacontainer.h"
#include "model/modelservices.h"
#include "model/mountmode.h"
#include "model/permountdata.h"
#include "model/sharedalignmentdata.h"
#include "model/tests/synthetic.h"

#include <QString>
#include <QTemporaryDir>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace Ko::Test {

// A fresh settings folder per rig, all under one scratch folder of the test.
class ScratchFolders {
public:
    bool isValid() const { return m_dir.isValid(); }
    QString next() { return m_dir.filePath(QString("home%1/app").arg(++m_count)); }

private:
    QTemporaryDir m_dir;
    int m_count = 0;
};

// 2026-03-20 22:00 UT at 45 degrees north on the Greenwich meridian.
constexpr double kRigJulianDate = 2461120.5 - 2 / 24.0;
constexpr double kRigLatitude = 45 * kDeg;

// An object placed at an hour angle and declination of now; its position of date follows.
inline AstroObj placedAt(const IAstroCalc& calc, const std::string& name, float vmag, double haDeg,
                         double decDeg) {
    AstroObj object;
    object.name = name;
    object.vmag = vmag;
    object.coordNow = {wrapTo2Pi(calc.localSiderealRad() - haDeg * kDeg), decDeg * kDeg};
    return object;
}

inline AstroObj placedAt(const Sky& sky, const std::string& name, float vmag, double haDeg,
                         double decDeg) {
    return placedAt(*sky.calc, name, vmag, haDeg, decDeg);
}

inline AstroObj placedAtAzAlt(const Sky& sky, const std::string& name, float vmag, double azDeg,
                              double altDeg) {
    const auto [ha, dec] = sky.calc->azAltToHourAngleDec(azDeg * kDeg, altDeg * kDeg);
    return placedAt(sky, name, vmag, ha / kDeg, dec / kDeg);
}

// Named stars as the test lays them out.
class FixtureStarSource : public ICatalogListRaw {
public:
    std::vector<AstroObj> objects;
    void refresh() override { changed(); }
    std::vector<AstroObj> load() override { return objects; }
    bool usesDsoVmagLimit() const override { return false; }
};

// Sun, Moon and planets where the test puts them; all below the horizon unless placed.
class FixtureSolarSystem : public ISolarSystem {
public:
    explicit FixtureSolarSystem(const IAstroCalc& calc) {
        for (int body = 0; body < kBodyCount; ++body)
            bodies[body] = placedAt(calc, "Body" + std::to_string(body), -1.0f, 180, -40);
    }
    explicit FixtureSolarSystem(const Sky& sky) : FixtureSolarSystem(*sky.calc) {}
    std::array<AstroObj, kBodyCount> bodies;
    AstroObj getObject(int body) const override { return bodies.at(body); }
};

// The real catalog settings over a settings file in the test's own folder.
using SettingsRig = CatalogSettingsRig;

// The pointing model from its assembly, over the rig's settings, with the solver.
struct AlignModel {
    std::shared_ptr<PerMountData> perMount;
    std::shared_ptr<QAstroFormat> format = std::make_shared<QAstroFormat>(nullptr);
    PublishedRows published;
    std::shared_ptr<AlignmentDataContainer> container;
    std::shared_ptr<Aligner> aligner;

    // The solver builds on the model of the connected mount's mode.
    AlignModel(const Sky& sky, const SettingsRig& settings, MountMode_::E mode = MountMode_::EQ)
        : perMount(std::make_shared<PerMountData>(settings.store)) {
        perMount->setConnectedMount(mode, 0x030201, mode == MountMode_::EQ ? 3 : 2);
        container =
            makeModelServices({sky.location, perMount, std::make_shared<ToastManagerUIStub>(),
                               sky.calc, format, nullptr},
                              published)
                .alignmentDataContainer;
        aligner = std::make_shared<Aligner>(container, perMount, sky.location, sky.clock, sky.calc);
    }

    std::vector<std::string> names() const { return container->get().objNames; }
};

// A mount whose polar axis is off by mel and maz (arcminutes), as the model reports them at
// latitude phi: raising the axis turns it about the mount's east-west line, turning it in azimuth
// about its north-south line scaled by cos(latitude).
inline TrueModel polarErrorTruth(double phi, double melArcmin, double mazArcmin) {
    constexpr double kArcmin = kDeg / 60;
    Matrix3 turn = rotationY(-melArcmin * kArcmin);
    turn *= rotationX(-mazArcmin * kArcmin * std::cos(phi));
    return TrueModel{MountMode_::EQ, phi, turn};
}

} // namespace Ko::Test
