#pragma once

// The user's GoTo limits as the window keeps them, for the servers' rigs: the real catalog
// settings over the rig's settings store, with its altitude limits and the real Sun guard on the
// rig's clock and coordinate chain.

#include "astro/astrocalc.h"
#include "base/clock.h"
#include "base/languagemanager.h"
#include "base/qtkvstore.h"
#include "catalog/catalogsettings.h"
#include "catalog/solarsystem.h"
#include "catalog/sunvisibility.h"
#include "mount/altrange.h"

#include <memory>

namespace Ko {

struct GoToLimitsRig {
    GoToLimitsRig(std::shared_ptr<QtKVStore> store, std::shared_ptr<IClock> clock,
                  std::shared_ptr<AltRange> altRange, std::shared_ptr<AstroClock> astroClock,
                  std::shared_ptr<AstroCalc> astro)
        : solar(std::make_shared<SolarSystem>(astroClock, astro, language)),
          sun(std::make_shared<SunVisibility>(astro, solar, astroClock)),
          settings(std::make_shared<CatalogSettings>(std::move(store), std::move(clock),
                                                     std::move(altRange), astro, sun)) {}

    std::shared_ptr<LanguageManager> language = std::make_shared<LanguageManager>(nullptr, nullptr);
    std::shared_ptr<SolarSystem> solar;
    std::shared_ptr<SunVisibility> sun;
    std::shared_ptr<CatalogSettings> settings;
};

} // namespace Ko
