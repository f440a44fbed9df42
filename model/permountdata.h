#pragma once

#include "base/kvcachedsetting.h"
#include "model/ipermountdata.h"

#include <array>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace Ko {

class IKVStore;

// The per-mount settings over the settings store, and the connected mount's identity in memory.
// Before any mount connects, the identity is that of the mount the saved alignment was made for
// (AZ, version 0xFFFFFF, kind 7 without one), so the saved model can be restored at start-up.
// Callable from any thread: each setting is its own cached item, m_identityMutex guards the
// identity, and m_connectMutex makes one announcement's compare, remove and store one step. The
// two park angles are one record (see m_park): a reader must never pair one park's axis 1 with
// another park's axis 2, or with the default of a key not written yet.
// Threads: any thread.
class PerMountData : public IPerMountData {
    Q_OBJECT
public:
    explicit PerMountData(std::shared_ptr<IKVStore> store, QObject* parent = nullptr);

    double speedFineAdjustmentFactor() const override;
    void setSpeedFineAdjustmentFactor(double factor) override;
    int32_t lastMountMode() const override;
    uint32_t lastMotorControllerVersion() const override;
    int32_t lastMountKind() const override;
    bool setConnectedMount(int32_t mode, uint32_t version, int32_t kind) override;
    Nullable<std::pair<double, double>> parkAxisPositions() const override;
    void setParkAxisPositions(const Nullable<std::pair<double, double>>& axes) override;
    std::string alignmentData() const override;
    void setAlignmentData(const std::string& text) override;
    std::string paeData() const override;
    void setPaeData(const std::string& text) override;
    uint32_t unfinishedSetup(uint32_t version) const override;
    void setUnfinishedSetup(uint32_t version, uint32_t axes) override;

    // The stored form of a version: its lowest and highest bytes exchanged.
    static int32_t storedVersion(uint32_t version);

private:
    struct Identity {
        Nullable<int32_t> mode;
        Nullable<std::array<uint8_t, 3>> version;
        Nullable<int32_t> kind;
    };
    Identity identity() const;
    void storePark(const Nullable<std::pair<double, double>>& axes);

    const std::shared_ptr<IKVStore> m_store;
    KVCachedSetting<double> m_speed;
    KVCachedSetting<double> m_parkAxis1;
    KVCachedSetting<double> m_parkAxis2;
    KVCachedSetting<std::string> m_alignmentData;
    KVCachedSetting<std::string> m_paeData;
    KVCachedSetting<int> m_lastMcv;
    KVCachedSetting<int> m_lastMode;
    // The unfinished set-ups, most recent first, each one number so that its version and axes
    // are written together: the axes in bits 24 and 25 over the 24-bit version. Loaded on first
    // use; the mutex makes each read-modify-write of the list one step.
    std::vector<uint32_t>& unfinishedSetupsLocked() const;
    mutable std::mutex m_unfinishedSetupMutex;
    mutable std::optional<std::vector<uint32_t>> m_unfinishedSetups;
    // Serialises the store writes of the park pair, so the file ends with both keys of the last
    // write (or neither); held while the store writes, never by a reader.
    std::mutex m_parkWriteMutex;
    // Guards m_park, the pair as the last completed write left it (read from the store once, at
    // construction). Readers take only this lock: they see the old pair or the new one, whole,
    // and never wait for the settings file.
    mutable std::mutex m_parkMutex;
    Nullable<std::pair<double, double>> m_park;
    mutable std::mutex m_identityMutex;
    Identity m_identity;
    std::mutex m_connectMutex;
};

} // namespace Ko
