#pragma once

#include "base/kvcachedsetting.h"
#include "model/ipermountdata.h"

#include <array>
#include <memory>
#include <mutex>

namespace Ko {

class IKVStore;

// The per-mount settings over the settings store, and the connected mount's identity in memory.
// Before any mount connects, the identity is that of the mount the saved alignment was made for
// (AZ, version 0xFFFFFF, kind 7 without one), so the saved model can be restored at start-up.
// Callable from any thread: each setting is its own cached item, m_identityMutex guards the
// identity, and m_connectMutex makes one announcement's compare, remove and store one step.
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

    // The stored form of a version: its lowest and highest bytes exchanged.
    static int32_t storedVersion(uint32_t version);

private:
    struct Identity {
        Nullable<int32_t> mode;
        Nullable<std::array<uint8_t, 3>> version;
        Nullable<int32_t> kind;
    };
    Identity identity() const;

    const std::shared_ptr<IKVStore> m_store;
    KVCachedSetting<double> m_speed;
    KVCachedSetting<double> m_parkAxis1;
    KVCachedSetting<double> m_parkAxis2;
    KVCachedSetting<std::string> m_alignmentData;
    KVCachedSetting<std::string> m_paeData;
    KVCachedSetting<int> m_lastMcv;
    KVCachedSetting<int> m_lastMode;
    mutable std::mutex m_identityMutex;
    Identity m_identity;
    std::mutex m_connectMutex;
};

} // namespace Ko
