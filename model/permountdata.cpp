#include "model/permountdata.h"

#include "base/ikvstore.h"
#include "model/mountmode.h"
#include "model/transportalignmentdata.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>

namespace Ko {

namespace {

// The identity assumed while no saved alignment names one: matches no real mount.
constexpr int32_t kNoMountMode = MountMode_::AZ;
constexpr uint8_t kNoMountVersionByte = 0xFF;
constexpr int32_t kNoMountKind = 7;
constexpr uint32_t kVersionMask = 0xFFFFFF;
constexpr int kSetupAxesShift = 24;
constexpr uint32_t kSetupAxesMask = (IPerMountData::kAxis1 | IPerMountData::kAxis2)
                                    << kSetupAxesShift;
// An array of records, most recent first; a single number there is the one record an earlier
// version of the program kept.
const QString kUnfinishedSetupsKey = QStringLiteral("lastmount.unfinished_setup");

// A record as stored, when it is one: some axes over a version, and nothing else.
Nullable<uint32_t> setupRecord(const QJsonValue& value) {
    const double number = value.toDouble(-1);
    if (!(number >= 0 && number <= double(kSetupAxesMask | kVersionMask)))
        return {};
    const auto record = static_cast<uint32_t>(number);
    if (double(record) != number || (record & kSetupAxesMask) == 0)
        return {};
    return record;
}

} // namespace

PerMountData::PerMountData(std::shared_ptr<IKVStore> store, QObject* parent)
    : IPerMountData(parent), m_store(std::move(store)),
      m_speed(m_store, "mount.speed_fine_factor", 1.0), m_parkAxis1(m_store, "align.axis1", 0.0),
      m_parkAxis2(m_store, "align.axis2", 0.0), m_alignmentData(m_store, "align.data", ""),
      m_paeData(m_store, "align.pae", ""), m_lastMcv(m_store, "lastmount.mcv", 0),
      m_lastMode(m_store, "lastmount.mmode", MountMode_::AZ) {
    // Only the first key decides whether a pair is stored.
    if (m_store && m_store->contains(m_parkAxis1.key()))
        m_park = std::pair{m_parkAxis1.value(), m_parkAxis2.value()};
    const Nullable<SavedAlignment> saved = TransportAlignmentData::unpack(m_alignmentData.value());
    if (saved.hasValue()) {
        m_identity.mode = saved.value().mountMode;
        m_identity.version = saved.value().mcVersion;
        m_identity.kind = saved.value().mountKind;
    } else {
        m_identity.mode = kNoMountMode;
        m_identity.version =
            std::array<uint8_t, 3>{kNoMountVersionByte, kNoMountVersionByte, kNoMountVersionByte};
        m_identity.kind = kNoMountKind;
    }
}

double PerMountData::speedFineAdjustmentFactor() const {
    return m_speed.value();
}

void PerMountData::setSpeedFineAdjustmentFactor(double factor) {
    if (m_speed.set(factor))
        emit speedChanged();
}

PerMountData::Identity PerMountData::identity() const {
    std::lock_guard lock(m_identityMutex);
    return m_identity;
}

int32_t PerMountData::lastMountMode() const {
    return identity().mode.value();
}

uint32_t PerMountData::lastMotorControllerVersion() const {
    const auto v = identity().version.value();
    return uint32_t(v[2]) << 16 | uint32_t(v[1]) << 8 | uint32_t(v[0]);
}

int32_t PerMountData::lastMountKind() const {
    return identity().kind.value();
}

int32_t PerMountData::storedVersion(uint32_t v) {
    return int32_t((v & 0xFF) << 16 | (v & 0xFF00) | ((v >> 16) & 0xFF));
}

bool PerMountData::setConnectedMount(int32_t mode, uint32_t version, int32_t kind) {
    bool sameMount = false;
    bool speedMoved = false;
    {
        std::lock_guard lock(m_connectMutex);
        {
            std::lock_guard identityLock(m_identityMutex);
            m_identity.mode = mode;
            m_identity.version = std::array<uint8_t, 3>{uint8_t(version), uint8_t(version >> 8),
                                                        uint8_t(version >> 16)};
            m_identity.kind = kind;
        }
        const int32_t stored = storedVersion(version);
        sameMount = m_lastMcv.value() == stored && m_lastMode.value() == mode;
        if (!sameMount) {
            // Nothing of another mount may be applied to this one.
            const double speed = m_speed.value();
            m_speed.remove();
            storePark({});
            m_alignmentData.remove();
            m_paeData.remove();
            speedMoved = m_speed.value() != speed;
        }
        m_lastMcv.write(stored);
        m_lastMode.write(mode);
    }
    // The settings page shows the factor: it falls back to its default with the old mount's set.
    if (speedMoved)
        emit speedChanged();
    // Outside the lock: the subscribers read the data back.
    changed();
    return sameMount;
}

Nullable<std::pair<double, double>> PerMountData::parkAxisPositions() const {
    std::lock_guard lock(m_parkMutex);
    return m_park;
}

void PerMountData::setParkAxisPositions(const Nullable<std::pair<double, double>>& axes) {
    storePark(axes);
}

void PerMountData::storePark(const Nullable<std::pair<double, double>>& axes) {
    std::lock_guard writeLock(m_parkWriteMutex);
    if (axes.hasValue()) {
        m_parkAxis1.write(axes.value().first);
        m_parkAxis2.write(axes.value().second);
    } else {
        m_parkAxis1.remove();
        m_parkAxis2.remove();
    }
    // Published once both keys are in the store: whoever sees the mount parked finds the pair
    // saved.
    std::lock_guard lock(m_parkMutex);
    m_park = axes;
}

std::string PerMountData::alignmentData() const {
    return m_alignmentData.value();
}

void PerMountData::setAlignmentData(const std::string& text) {
    m_alignmentData.write(text);
}

std::string PerMountData::paeData() const {
    return m_paeData.value();
}

void PerMountData::setPaeData(const std::string& text) {
    m_paeData.write(text);
}

std::vector<uint32_t>& PerMountData::unfinishedSetupsLocked() const {
    if (m_unfinishedSetups)
        return *m_unfinishedSetups;
    std::vector<uint32_t> records;
    const QJsonValue stored = m_store ? m_store->json().value(kUnfinishedSetupsKey) : QJsonValue();
    const QJsonArray list = stored.isArray() ? stored.toArray() : QJsonArray{stored};
    for (const QJsonValue& value : list) {
        const auto record = setupRecord(value);
        // A hand-edited file may name a version twice: the first, most recent record counts.
        const auto sameVersion = [&](uint32_t r) {
            return (r & kVersionMask) == (record.value() & kVersionMask);
        };
        if (record.hasValue() && records.size() < kMaxUnfinishedSetups &&
            std::none_of(records.begin(), records.end(), sameVersion))
            records.push_back(record.value());
    }
    return m_unfinishedSetups.emplace(std::move(records));
}

uint32_t PerMountData::unfinishedSetup(uint32_t version) const {
    std::lock_guard lock(m_unfinishedSetupMutex);
    for (const uint32_t record : unfinishedSetupsLocked())
        if ((record & kVersionMask) == (version & kVersionMask))
            return record >> kSetupAxesShift;
    return 0;
}

void PerMountData::setUnfinishedSetup(uint32_t version, uint32_t axes) {
    std::lock_guard lock(m_unfinishedSetupMutex);
    auto& records = unfinishedSetupsLocked();
    const std::vector<uint32_t> before = records;
    std::erase_if(records,
                  [&](uint32_t r) { return (r & kVersionMask) == (version & kVersionMask); });
    axes &= kAxis1 | kAxis2;
    if (axes != 0) {
        records.insert(records.begin(), axes << kSetupAxesShift | (version & kVersionMask));
        // The oldest goes: a controller not seen through so many other cut set-ups since is
        // most likely set up by now, or gone.
        if (records.size() > kMaxUnfinishedSetups)
            records.resize(kMaxUnfinishedSetups);
    }
    if (records == before || !m_store)
        return;
    QJsonArray list;
    for (const uint32_t record : records)
        list.append(static_cast<qint64>(record));
    // One key rewritten, whatever else another thread writes meanwhile; none once nothing is
    // unfinished.
    m_store->updateJson([&](QJsonObject& settings) {
        if (list.isEmpty())
            settings.remove(kUnfinishedSetupsKey);
        else
            settings.insert(kUnfinishedSetupsKey, list);
    });
}

} // namespace Ko
