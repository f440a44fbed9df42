#include "mount/appcore.h"

#include "astro/iastroformat.h"

namespace Ko {

AppCore::AppCore(std::shared_ptr<IKVStore> store, std::shared_ptr<IAstroFormat> format,
                 QObject* parent)
    : QObject(parent), m_store(std::move(store)), m_format(std::move(format)),
      m_backlashDefault(m_store, "backlashDefault", 0.0), m_backlash1(m_store, "backlash1", 0.0),
      m_backlash2(m_store, "backlash2", 0.0), m_agRate1(m_store, "ag.rate1", GuidingSpeed_::X5),
      m_agRate2(m_store, "ag.rate2", GuidingSpeed_::X5),
      m_pScopeLight(m_store, "pscope.light", 0.0) {}

double AppCore::backlashAxisDefault() const {
    return m_backlashDefault.value();
}

double AppCore::backlashAxis1() const {
    return m_backlash1.value();
}

double AppCore::backlashAxis2() const {
    return m_backlash2.value();
}

GuidingSpeed_::E AppCore::autoguiderRate1() const {
    return m_agRate1.value();
}

GuidingSpeed_::E AppCore::autoguiderRate2() const {
    return m_agRate2.value();
}

double AppCore::pScopeLight() const {
    return m_pScopeLight.value();
}

void AppCore::setBacklashAxisDefault(double v) {
    write(m_backlashDefault, v);
}

void AppCore::setBacklashAxis1(double v) {
    write(m_backlash1, v);
}

void AppCore::setBacklashAxis2(double v) {
    write(m_backlash2, v);
}

void AppCore::setAutoguiderRate1(GuidingSpeed_::E v) {
    write(m_agRate1, v);
}

void AppCore::setAutoguiderRate2(GuidingSpeed_::E v) {
    write(m_agRate2, v);
}

void AppCore::setAutoguiderRate(int axis, GuidingSpeed_::E v) {
    write(axis == 0 ? m_agRate1 : m_agRate2, v);
}

void AppCore::setPScopeLight(double v) {
    write(m_pScopeLight, v);
}

bool AppCore::autoguiderRateInDoubt(int axis) const {
    return m_agRateInDoubt[axis == 0 ? 0 : 1].load();
}

void AppCore::setAutoguiderRateInDoubt(int axis, bool doubt) {
    m_agRateInDoubt[axis == 0 ? 0 : 1].store(doubt);
}

QString AppCore::backlash_getText(double axis) const {
    return QString::fromStdString(m_format->formatDegMin(axis));
}

template <class T>
void AppCore::write(KVCachedSetting<T>& setting, const T& v) {
    if (!setting.set(v))
        return;
    changed();
    emit valueChanged_q();
}

} // namespace Ko
