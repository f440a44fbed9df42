#pragma once

#include "base/languagemanager.h"
#include "base/qtfileutil.h"
#include "base/qtkvstore.h"
#include "base/tests/scratchsettings.h"
#include "catalog/catalogsettings.h"
#include "catalog/solarsystem.h"
#include "catalog/sunvisibility.h"
#include "catalog/tests/catalogrig.h"
#include "mount/altrange.h"

#include <QString>

#include <memory>

namespace Ko::Test {

// The catalog settings over a real settings file in a folder of their own, with the real
// altitude limits and Sun guard, at a fixed site and clock.
struct CatalogSettingsRig {
    Sky sky;
    QString folder;
    std::shared_ptr<QtKVStore> store;
    std::shared_ptr<AltRange> altRange;
    std::shared_ptr<LanguageManager> language;
    std::shared_ptr<SolarSystem> solar;
    std::shared_ptr<SunVisibility> sun;
    std::shared_ptr<CatalogSettings> settings;

    CatalogSettingsRig(const QString& dataFolder, double julianDate, double latitudeRad)
        : CatalogSettingsRig(Sky(julianDate, latitudeRad), dataFolder) {}
    // On the sky of another rig, shared.
    CatalogSettingsRig(const Sky& sky_, const QString& dataFolder)
        : sky(sky_), folder(dataFolder), store(openStore(folder)),
          altRange(std::make_shared<AltRange>(store)),
          language(std::make_shared<LanguageManager>(nullptr, nullptr)),
          solar(std::make_shared<SolarSystem>(sky.astroClock, sky.calc, language)),
          sun(std::make_shared<SunVisibility>(sky.calc, solar, sky.astroClock)),
          settings(std::make_shared<CatalogSettings>(store, sky.clock, altRange, sky.calc, sun)) {}

    // The data location is a folder inside the test's own folder: the settings folder is its
    // sibling, so handing over the test's folder itself would put the file beside it, shared
    // with every other test and run.
    static std::shared_ptr<QtKVStore> openStore(const QString& folder) {
        return openScratchStore(folder + "/data");
    }
};

} // namespace Ko::Test
