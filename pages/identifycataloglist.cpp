#include "pages/identifycataloglist.h"
#include "pages/generalinfotext.h"

#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "astro/iorisensor.h"
#include "base/backgroundwork.h"
#include "base/log.h"
#include "catalog/icataloglistraw.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <array>
#include <functional>

namespace Ko {

namespace {

// 20 degrees; an object exactly this far is listed.
constexpr double kNearbyRad = 0.3490658503988659;

// Indexed by IdentifyCatalogList::SourceKind.
constexpr std::array<const char*, 3> kSourceTexts = {
    QT_TRANSLATE_NOOP("mount", "Star"),
    QT_TRANSLATE_NOOP("mount", "DSO"),
    QT_TRANSLATE_NOOP("mount", "Solar System"),
};

std::string translated(const char* text) {
    return QCoreApplication::translate("mount", text).toStdString();
}

} // namespace

// What a search needs, shared with the worker threads so that it outlives a late one.
struct IdentifyCatalogList::Sources {
    std::shared_ptr<ICatalogListRaw> namedStars;
    std::shared_ptr<ICatalogListRaw> solarSystem;
    std::shared_ptr<ICatalogListRaw> deepSky;
    std::shared_ptr<IAstroCalc> astroCalc;

    // Stars, then solar-system bodies, then deep-sky objects, each within 20 degrees; then
    // nearest first (objects at equal separation in no fixed order).
    std::vector<Item> near(const CoordPair& pointing) const {
        std::vector<Item> items;
        const std::pair<ICatalogListRaw*, int32_t> scans[] = {
            {namedStars.get(), NamedStar},
            {solarSystem.get(), SolarSystem},
            {deepSky.get(), DeepSky},
        };
        for (const auto& [source, kind] : scans) {
            for (AstroObj& obj : source->load()) {
                const double separation = astroCalc->angularSeparation(
                    IAstroCalc::AnglePair{pointing.a, pointing.b},
                    IAstroCalc::AnglePair{obj.coordNow.a, obj.coordNow.b});
                if (separation <= kNearbyRad)
                    items.push_back({std::move(obj), kind, separation});
            }
        }
        std::sort(items.begin(), items.end(),
                  [](const Item& x, const Item& y) { return x.separation < y.separation; });
        return items;
    }
};

IdentifyCatalogList::IdentifyCatalogList(std::shared_ptr<ICatalogListRaw> namedStars,
                                         std::shared_ptr<ICatalogListRaw> solarSystem,
                                         std::shared_ptr<ICatalogListRaw> deepSky,
                                         std::shared_ptr<IAstroCalc> astroCalc,
                                         std::shared_ptr<IAstroFormat> format,
                                         std::shared_ptr<IOriSensor> oriSensor,
                                         std::shared_ptr<IMountConnection> mountConnection)
    : m_sources(std::make_shared<Sources>(Sources{std::move(namedStars), std::move(solarSystem),
                                                  std::move(deepSky), std::move(astroCalc)})),
      m_format(std::move(format)), m_oriSensor(std::move(oriSensor)),
      m_mountConnection(std::move(mountConnection)), m_handover(std::make_shared<Handover>(this)) {}

IdentifyCatalogList::~IdentifyCatalogList() = default;

AstroObj IdentifyCatalogList::getAstroObj(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_nearbyItems.size())
        return {};
    return m_nearbyItems[static_cast<size_t>(index)].obj;
}

void IdentifyCatalogList::setUseDeviceOri(bool value) {
    if (value == m_useDeviceOri)
        return;
    m_useDeviceOri = value;
    refresh();
}

void IdentifyCatalogList::refresh() {
    const uint64_t generation = ++m_generation;
    m_list.clear();
    m_azAltText.clear();
    m_raDecText.clear();
    emit listChanged();

    if (m_useDeviceOri) {
        m_oriSensor->readOnce(
            [self = QPointer<IdentifyCatalogList>(this), generation](const U_ASTRO_COORD& pointed) {
                if (self)
                    self->onDeviceReading(generation, {pointed.a, pointed.b});
            });
        return;
    }
    // The worker keeps this mount for its read, whatever the holder does meanwhile.
    const std::shared_ptr<IMount> mount = m_mountConnection->sharedMount();
    if (!mount)
        return;
    // The read blocks until the mount answers: off the main thread.
    // The job only carries this pointer back; it is used on the main thread, while this lives.
    runInBackground("identify position read", [mount, sources = m_sources, handover = m_handover,
                                               owner = this, generation] {
        const auto failed = [&] {
            handover->post([owner, generation] {
                if (generation == owner->m_generation)
                    emit owner->readError();
            });
        };
        try {
            const CmdResp<IMount::AnglePair> position = mount->readPosition();
            if (!position.isOk())
                return failed();
            const auto [hourAngle, declination] = position.value();
            const CoordFrames frames = sources->astroCalc->allFramesNow(
                {hourAngle, declination, CoordType::HDObsv}, CoordType::RDJNow);
            const U_ASTRO_COORD& now = frames[CoordType::RDJNow].value();
            const U_ASTRO_COORD& observed = frames[CoordType::AZObsv].value();
            Found found{{now.a, now.b}, {observed.a, observed.b}, sources->near({now.a, now.b})};
            handover->post([owner, generation, found = std::move(found)]() mutable {
                owner->apply(generation, std::move(found));
            });
        } catch (const std::exception& e) {
            // The page hears of it as a failed read.
            Log("Identify: %s", e.what());
            failed();
        } catch (...) {
            Log("Identify: unknown exception");
            failed();
        }
    });
}

void IdentifyCatalogList::onDeviceReading(uint64_t generation, const CoordPair& azAlt) {
    if (generation != m_generation)
        return;
    const CoordFrames frames = m_sources->astroCalc->allFramesNow(
        {azAlt.a, azAlt.b, CoordType::AZObsv}, CoordType::RDJNow);
    const U_ASTRO_COORD& now = frames[CoordType::RDJNow].value();
    apply(generation, Found{{now.a, now.b}, azAlt, m_sources->near({now.a, now.b})});
}

void IdentifyCatalogList::apply(uint64_t generation, Found found) {
    if (generation != m_generation)
        return;
    m_pointing = found.pointing;
    m_azAltText = m_format->formatAzAltWholeDegrees(found.azAlt.a, found.azAlt.b);
    m_raDecText = m_format->formatRaDec(m_pointing.a, m_pointing.b);
    m_nearbyItems = std::move(found.items);
    m_list.clear();
    m_list.reserve(m_nearbyItems.size());
    const std::string magnitude = translated("Magnitude");
    for (const Item& item : m_nearbyItems) {
        AstroListUIItem row;
        row.a = item.obj.name;
        row.b = m_format->formatDegMin(item.separation);
        row.c = translated(kSourceTexts[static_cast<size_t>(item.sourceKind)]);
        row.d = magnitude + " " + magnitudeText(item.obj.vmag);
        m_list.push_back(std::move(row));
    }
    emit listChanged();
}

} // namespace Ko
