#include "catalog/solarsystem.h"

#include "astro/angleutil.h"
#include "base/clock.h"
#include "base/ilanguagemanager.h"

#include <libnova/earth.h>
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/neptune.h>
#include <libnova/saturn.h>
#include <libnova/solar.h>
#include <libnova/uranus.h>
#include <libnova/venus.h>

#include <array>
#include <cmath>
#include <mutex>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace Ko {

namespace {

using EquCall = void (*)(double, ln_equ_posn*);
using HelioCall = void (*)(double, ln_rect_posn*);

constexpr std::array<EquCall, ISolarSystem::kBodyCount> kPosition = {
    ln_get_solar_equ_coords,  ln_get_mercury_equ_coords, ln_get_venus_equ_coords,
    ln_get_lunar_equ_coords,  ln_get_mars_equ_coords,    ln_get_jupiter_equ_coords,
    ln_get_saturn_equ_coords, ln_get_uranus_equ_coords,  ln_get_neptune_equ_coords,
};

// By body - 1; the Moon has none.
constexpr std::array<HelioCall, ISolarSystem::kBodyCount - 1> kHelio = {
    ln_get_mercury_rect_helio, ln_get_venus_rect_helio,   nullptr,
    ln_get_mars_rect_helio,    ln_get_jupiter_rect_helio, ln_get_saturn_rect_helio,
    ln_get_uranus_rect_helio,  ln_get_neptune_rect_helio,
};

constexpr std::array<uint32_t, ISolarSystem::kBodyCount> kKind = {2, 0, 0, 1, 0, 0, 0, 0, 0};

constexpr float kSunVmag = -26.7f;
constexpr float kMoonVmag = 0.0f;

// libnova does not promise that its theories may run on several threads at once; the
// identification list computes bodies on a worker thread while the lists do on the main thread.
std::mutex& libnovaMutex() {
    static std::mutex m;
    return m;
}

using Names = std::array<const char*, ISolarSystem::kBodyCount>;

const Names& namesFor(const std::string& code) {
    static const std::unordered_map<std::string, Names> table = {
        {"en",
         {"Sun", "Mercury", "Venus", "Moon", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"}},
        {"de",
         {"Sonne", "Merkur", "Venus", "Mond", "Mars", "Jupiter", "Saturn", "Uranus", "Neptun"}},
        {"es",
         {"Sol", "Mercurio", "Venus", "Luna", "Marte", "Júpiter", "Saturno", "Urano", "Neptuno"}},
        {"fr",
         {"Soleil", "Mercure", "Vénus", "Lune", "Mars", "Jupiter", "Saturne", "Uranus", "Neptune"}},
        {"hr",
         {"Sunce", "Merkur", "Venera", "Mjesec", "Mars", "Jupiter", "Saturn", "Uran", "Neptun"}},
        {"hu",
         {"Nap", "Merkúr", "Vénusz", "Hold", "Mars", "Jupiter", "Szaturnusz", "Uránusz",
          "Neptunusz"}},
        {"it",
         {"Sole", "Mercurio", "Venere", "Luna", "Marte", "Giove", "Saturno", "Urano", "Nettuno"}},
        {"nl",
         {"Zon", "Mercurius", "Venus", "Maan", "Mars", "Jupiter", "Saturnus", "Uranus",
          "Neptunus"}},
        {"pl",
         {"Słońce", "Merkury", "Wenus", "Księżyc", "Mars", "Jowisz", "Saturn", "Uran", "Neptun"}},
        {"pt",
         {"Sol", "Mercúrio", "Vênus", "Lua", "Marte", "Júpiter", "Saturno", "Urano", "Netuno"}},
        {"ro",
         {"Soarele", "Mercur", "Venus", "Luna", "Marte", "Jupiter", "Saturn", "Uranus", "Neptun"}},
        {"ru",
         {"Солнце", "Меркурий", "Венера", "Луна", "Марс", "Юпитер", "Сатурн", "Уран", "Нептун"}},
        {"sk",
         {"Slnko", "Merkúr", "Venuša", "Mesiac", "Mars", "Jupiter", "Saturn", "Urán", "Neptún"}},
        {"ja", {"太陽", "水星", "金星", "月", "火星", "木星", "土星", "天王星", "海王星"}},
        {"zh", {"太阳", "水星", "金星", "月球", "火星", "木星", "土星", "天王星", "海王星"}},
    };
    const auto it = table.find(code);
    return it == table.end() ? table.at("en") : it->second;
}

// The planet's terms added to 5 log10(r Delta), phase angle i in degrees.
double magnitudeTerms(int body, double i) {
    switch (body) {
    case ISolarSystem::Mercury:
        return -0.42 + 0.038 * i - 0.000273 * i * i + 0.000002 * i * i * i;
    case ISolarSystem::Venus:
        return -4.4 + 0.0009 * i + 0.000239 * i * i - 0.00000065 * i * i * i;
    case ISolarSystem::Mars:
        return -1.52 + 0.016 * i;
    case ISolarSystem::Jupiter:
        return -9.4 + 0.005 * i;
    case ISolarSystem::Saturn:
        return -8.88 + 0.044 * i;
    case ISolarSystem::Uranus:
        return -7.19;
    default:
        return -6.87;
    }
}

} // namespace

SolarSystem::SolarSystem(std::shared_ptr<IAstroClock> astroClock,
                         std::shared_ptr<IAstroCalc> astroCalc,
                         std::shared_ptr<ILanguageManager> languageManager)
    : m_astroClock(std::move(astroClock)), m_astroCalc(std::move(astroCalc)),
      m_languageManager(std::move(languageManager)) {}

double SolarSystem::planetMagnitude(int body, double julianDate) {
    ln_rect_posn p{};
    ln_rect_posn e{};
    {
        std::lock_guard lock(libnovaMutex());
        kHelio.at(static_cast<size_t>(body - 1))(julianDate, &p);
        ln_get_earth_rect_helio(julianDate, &e);
    }
    // No light-time correction: the magnitude changes far too slowly for it to matter.
    const double r2 = p.X * p.X + p.Y * p.Y + p.Z * p.Z;
    const double dx = e.X - p.X;
    const double dy = e.Y - p.Y;
    const double dz = e.Z - p.Z;
    const double delta2 = dx * dx + dy * dy + dz * dz;
    const double earth2 = e.X * e.X + e.Y * e.Y + e.Z * e.Z;
    const double rDelta = std::sqrt(r2 * delta2);
    const double phaseDeg = std::acos((r2 + delta2 - earth2) / (2 * rDelta)) / kDeg;
    return 5 * std::log10(rDelta) + magnitudeTerms(body, phaseDeg);
}

AstroObj SolarSystem::getObject(int body) const {
    const auto index = static_cast<size_t>(body);
    const int64_t ms = m_astroClock->nowMs();
    // Whole seconds, rounded down also before 1970.
    const int64_t second = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
    std::string language = m_languageManager->language();
    {
        std::lock_guard lock(m_cacheMutex);
        if (m_cacheSecond == second && m_cacheLanguage == language && m_cache.at(index))
            return *m_cache[index];
    }
    AstroObj obj = compute(index, language);
    std::lock_guard lock(m_cacheMutex);
    if (m_cacheSecond != second || m_cacheLanguage != language) {
        m_cache = {};
        m_cacheSecond = second;
        m_cacheLanguage = std::move(language);
    }
    m_cache[index] = obj;
    return obj;
}

AstroObj SolarSystem::compute(size_t index, const std::string& language) const {
    const int body = static_cast<int>(index);
    AstroObj obj;
    obj.name = namesFor(language).at(index);
    const double jd = m_astroClock->julianDate();

    ln_equ_posn equ{};
    {
        std::lock_guard lock(libnovaMutex());
        kPosition.at(index)(jd, &equ);
    }
    obj.coordJ2000 = {equ.ra * kDeg, equ.dec * kDeg};
    obj.coordNow = positionOfDate(*m_astroCalc, obj.coordJ2000);

    if (body == Sun)
        obj.vmag = kSunVmag;
    else if (body == Moon)
        obj.vmag = kMoonVmag;
    else
        obj.vmag = static_cast<float>(planetMagnitude(body, jd));
    obj.kind = kKind[index];
    return obj;
}

} // namespace Ko
