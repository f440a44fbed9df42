#pragma once

#include "base/callbacklist.h"
#include "base/kvcachedsetting.h"

#include <QObject>

#include <memory>

namespace Ko {

class IKVStore;

// The altitude band inside which GoTo targets are accepted, kept in the settings store. A write
// outside a bound's range is dropped without a trace; a write of the current value does nothing;
// any other write saves, fires `changed`, then emits valueChanged_q. The bands of the two bounds
// do not overlap, so minAlt stays below maxAlt.
// Threads: any thread.
class AltRange : public QObject {
    Q_OBJECT
    Q_PROPERTY(double maxAlt READ maxAlt WRITE setMaxAlt NOTIFY valueChanged_q)
    Q_PROPERTY(double minAlt READ minAlt WRITE setMinAlt NOTIFY valueChanged_q)
public:
    // Radians: 60 to 90 degrees, default 75; -10 to 30 degrees, default 0.
    static constexpr double kMaxAltLowest = 1.0471975511965976;
    static constexpr double kMaxAltHighest = 1.5707963267948966;
    static constexpr double kMaxAltDefault = 1.3089969389957472;
    static constexpr double kMinAltLowest = -0.17453292519943295;
    static constexpr double kMinAltHighest = 0.5235987755982988;
    static constexpr double kMinAltDefault = 0.0;

    // store may be null: the defaults then stand and writes stay in memory.
    explicit AltRange(std::shared_ptr<IKVStore> store, QObject* parent = nullptr);

    eventpp::CallbackList<void()> changed;

    double maxAlt() const;
    double minAlt() const;
    void setMaxAlt(double v);
    void setMinAlt(double v);

signals:
    void valueChanged_q();

private:
    void write(KVCachedSetting<double>& setting, double v, double lowest, double highest);

    const std::shared_ptr<IKVStore> m_store;
    KVCachedSetting<double> m_maxAlt;
    KVCachedSetting<double> m_minAlt;
};

} // namespace Ko
