#include "model/alignmentdatacontainer.h"

#include "astro/angleutil.h"
#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "base/ilocation.h"
#include "base/ishortmessagesink.h"
#include "model/ialignment.h"
#include "model/ipermountdata.h"
#include "model/sharedalignmentdata.h"
#include "model/transportalignmentdata.h"

#include <QCoreApplication>

#include <cmath>

namespace Ko {

namespace {

// A saved model is restored only this close to the site it was made at.
constexpr double kRestoreRadiusMeter = 200.0;
// Twice the mean Earth radius.
constexpr double kEarthDiameterMeter = 12742017.5428;

double toArcmin(double rad) {
    return rad / kPi * 180 * 60;
}

double toRad(double arcmin) {
    return arcmin / 60 / 180 * kPi;
}

// Releases the flag however the restore ends.
class RestoringScope {
public:
    explicit RestoringScope(std::atomic<bool>& flag) : m_flag(flag) { m_flag = true; }
    ~RestoringScope() { m_flag = false; }

private:
    std::atomic<bool>& m_flag;
};

} // namespace

AlignmentDataContainer::AlignmentDataContainer(
    std::shared_ptr<ILocation> location, std::shared_ptr<IPerMountData> perMountData,
    std::shared_ptr<SharedAlignmentData> model, std::shared_ptr<IAlignment> alignment,
    std::shared_ptr<IShortMessageSink> messages, std::shared_ptr<IAstroCalc> astroCalc,
    std::shared_ptr<IAstroFormat> astroFormat, QObject* parent)
    : IAlignmentDataContainer(parent), m_location(std::move(location)),
      m_perMountData(std::move(perMountData)), m_model(std::move(model)),
      m_alignment(std::move(alignment)), m_messages(std::move(messages)),
      m_astroCalc(std::move(astroCalc)), m_astroFormat(std::move(astroFormat)) {
    m_siteSubscription = m_location->changed.append([this] { onSiteChanged(); });
    m_mountSubscription = m_perMountData->changed.append([this] { restore(); });
    restore();
}

AlignmentDataContainer::~AlignmentDataContainer() {
    m_location->changed.remove(m_siteSubscription);
    m_perMountData->changed.remove(m_mountSubscription);
}

bool AlignmentDataContainer::hasValue() const {
    return m_model->hasValue();
}

ALIGNMENT_DATA AlignmentDataContainer::get() const {
    return m_model->value();
}

void AlignmentDataContainer::setAlignmentData(const ALIGNMENT_DATA& data) {
    m_model->set(data);
    persistAndAnnounce(data);
}

void AlignmentDataContainer::persistAndAnnounce(const ALIGNMENT_DATA& data) {
    const bool restoring = m_restoring;
    if (!restoring) {
        // A model that was never solved clears the saved one.
        m_perMountData->setAlignmentData(
            data.dtma.hasValue() ? TransportAlignmentData::pack(savedFrom(data)) : std::string());
    }
    m_alignment->alignmentChanged();
    changed(restoring);
    emit valueChanged();
}

void AlignmentDataContainer::reset() {
    setAlignmentData(
        makeDefaultAlignmentData(m_perMountData->lastMountMode(), m_location->location()));
}

int AlignmentDataContainer::alignedStarCount() const {
    const auto snap = m_model->snapshot();
    if (!snap->hasValue() || !snap->value().dtma.hasValue())
        return 0;
    switch (snap->value().dtma.value()) {
    case 2:
    case 4:
    case 5:
        return 2;
    case 3:
        return 3;
    default:
        return 1;
    }
}

double AlignmentDataContainer::idAmin() const {
    return toArcmin(m_model->snapshot()->value().cpid);
}

double AlignmentDataContainer::chAmin() const {
    return toArcmin(m_model->snapshot()->value().cpch);
}

double AlignmentDataContainer::npAmin() const {
    return toArcmin(m_model->snapshot()->value().cpnp);
}

double AlignmentDataContainer::melAmin() const {
    return toArcmin(polarAxisError().second);
}

double AlignmentDataContainer::mazAmin() const {
    return toArcmin(polarAxisError().first);
}

double AlignmentDataContainer::tiltAmin() const {
    return toArcmin(m_alignment->axisTilt());
}

void AlignmentDataContainer::setChAmin(double arcmin) {
    editTerm(&ALIGNMENT_DATA::cpch, arcmin);
}

void AlignmentDataContainer::setNpAmin(double arcmin) {
    editTerm(&ALIGNMENT_DATA::cpnp, arcmin);
}

void AlignmentDataContainer::editTerm(double ALIGNMENT_DATA::*term, double arcmin) {
    ALIGNMENT_DATA edited;
    m_model->update([&](Nullable<ALIGNMENT_DATA>& held) {
        held.value().*term = toRad(arcmin);
        edited = held.value();
    });
    // Kept at once: otherwise the edit would be lost at the next start.
    persistAndAnnounce(edited);
}

std::pair<double, double> AlignmentDataContainer::polarAxisError() const {
    return m_alignment->axisAzElError();
}

std::vector<AstroListUIItem> AlignmentDataContainer::alignStars() const {
    const auto snap = m_model->snapshot();
    std::vector<AstroListUIItem> rows;
    if (!snap->hasValue())
        return rows;
    const ALIGNMENT_DATA& d = snap->value();
    for (size_t i = 0; i < d.pairs.size(); ++i) {
        const U_ASTRO_COORD sky{d.pairs[i].ha, d.pairs[i].dec, CoordType::HDObsv};
        const U_ASTRO_COORD azAlt = m_astroCalc->convertNow(sky, CoordType::AZObsv);
        AstroListUIItem row;
        row.isEnableListItem = true;
        row.a = m_astroFormat->formatAzAltWholeDegrees(azAlt.a, azAlt.b);
        row.b = i < d.objNames.size() ? d.objNames[i] : std::string();
        rows.push_back(std::move(row));
    }
    return rows;
}

bool AlignmentDataContainer::isSavedDataForMount(const SavedAlignment& saved) const {
    const uint32_t v = m_perMountData->lastMotorControllerVersion();
    const std::array<uint8_t, 3> bytes{uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16)};
    return saved.mcVersion == bytes && saved.mountMode == m_perMountData->lastMountMode() &&
           saved.mountKind == m_perMountData->lastMountKind();
}

void AlignmentDataContainer::loadSavedData(const SavedAlignment& saved) {
    if (!isSavedDataForMount(saved))
        return;
    m_location->setLocation(saved.location);
    setAlignmentData(saved.data);
}

SavedAlignment AlignmentDataContainer::makeSavedData() const {
    return savedFrom(m_model->value());
}

SavedAlignment AlignmentDataContainer::savedFrom(const ALIGNMENT_DATA& data) const {
    SavedAlignment saved;
    const uint32_t v = m_perMountData->lastMotorControllerVersion();
    saved.mcVersion = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16)};
    saved.mountMode = m_perMountData->lastMountMode();
    saved.mountKind = m_perMountData->lastMountKind();
    saved.data = data;
    saved.location = m_location->location();
    return saved;
}

double AlignmentDataContainer::siteDistanceMeter(double lat1, double lon1, double lat2,
                                                 double lon2) {
    const double sLat = std::sin((lat1 - lat2) / 2);
    const double sLon = std::sin((lon1 - lon2) / 2);
    return kEarthDiameterMeter *
           std::asin(std::sqrt(sLat * sLat + std::cos(lat1) * std::cos(lat2) * sLon * sLon));
}

void AlignmentDataContainer::restore() {
    const Nullable<SavedAlignment> saved =
        TransportAlignmentData::unpack(m_perMountData->alignmentData());
    bool use = saved.hasValue() && isSavedDataForMount(saved.value()) &&
               saved.value().data.dtma.hasValue();
    if (use) {
        const CLocation& at = saved.value().location;
        use = siteDistanceMeter(at.latitudeRad, at.longitudeRad, m_location->latitudeRad(),
                                m_location->longitudeRad()) <= kRestoreRadiusMeter;
    }
    RestoringScope scope(m_restoring);
    if (use) {
        loadSavedData(saved.value());
        m_messages->sendShortMessage(
            QCoreApplication::translate("mount", "Alignment data and location loaded")
                .toUtf8()
                .constData());
    } else {
        reset();
    }
}

void AlignmentDataContainer::onSiteChanged() {
    const auto snap = m_model->snapshot();
    // A solved model stays as it was made; only the default model follows the site.
    if (!snap->hasValue() || snap->value().dtma.hasValue())
        return;
    ALIGNMENT_DATA d =
        makeDefaultAlignmentData(m_perMountData->lastMountMode(), m_location->location());
    d.cpch = snap->value().cpch;
    d.cpnp = snap->value().cpnp;
    setAlignmentData(d);
}

} // namespace Ko
