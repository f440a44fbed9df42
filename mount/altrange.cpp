#include "mount/altrange.h"

namespace Ko {

AltRange::AltRange(std::shared_ptr<IKVStore> store, QObject* parent)
    : QObject(parent), m_store(std::move(store)), m_maxAlt(m_store, "altitude.max", kMaxAltDefault),
      m_minAlt(m_store, "altitude.min", kMinAltDefault) {}

double AltRange::maxAlt() const {
    return m_maxAlt.value();
}

double AltRange::minAlt() const {
    return m_minAlt.value();
}

void AltRange::setMaxAlt(double v) {
    write(m_maxAlt, v, kMaxAltLowest, kMaxAltHighest);
}

void AltRange::setMinAlt(double v) {
    write(m_minAlt, v, kMinAltLowest, kMinAltHighest);
}

void AltRange::write(KVCachedSetting<double>& setting, double v, double lowest, double highest) {
    // Written so that NaN falls outside as well.
    if (!(v >= lowest && v <= highest))
        return;
    if (!setting.set(v))
        return;
    changed();
    emit valueChanged_q();
}

} // namespace Ko
