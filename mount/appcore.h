#pragma once

#include "base/callbacklist.h"
#include "base/kvcachedsetting.h"
#include "link/guidingspeed.h"

#include <QObject>
#include <QString>

#include <array>
#include <atomic>
#include <memory>

namespace Ko {

class IAstroFormat;
class IKVStore;

// The mount preferences that outlive a connection: gear backlash per axis (radians), the
// autoguider-port speed per axis and the polar-scope light (0 to 1), kept in the settings store.
// Writes are not range-checked. A write of the current value does nothing; any other write saves,
// fires `changed`, then emits valueChanged_q.
// Threads: any thread: task threads read the backlash while QML edits it.
class AppCore : public QObject {
    Q_OBJECT
    Q_PROPERTY(double backlashAxisDefault READ backlashAxisDefault WRITE setBacklashAxisDefault
                   NOTIFY valueChanged_q)
    Q_PROPERTY(double backlashAxis1 READ backlashAxis1 WRITE setBacklashAxis1 NOTIFY valueChanged_q)
    Q_PROPERTY(double backlashAxis2 READ backlashAxis2 WRITE setBacklashAxis2 NOTIFY valueChanged_q)
    Q_PROPERTY(Ko::GuidingSpeed_::E autoguiderRate1 READ autoguiderRate1 WRITE setAutoguiderRate1
                   NOTIFY valueChanged_q)
    Q_PROPERTY(Ko::GuidingSpeed_::E autoguiderRate2 READ autoguiderRate2 WRITE setAutoguiderRate2
                   NOTIFY valueChanged_q)
    Q_PROPERTY(double pScopeLight READ pScopeLight WRITE setPScopeLight NOTIFY valueChanged_q)
public:
    // store may be null: the defaults then stand and writes stay in memory.
    AppCore(std::shared_ptr<IKVStore> store, std::shared_ptr<IAstroFormat> format,
            QObject* parent = nullptr);

    eventpp::CallbackList<void()> changed;

    double backlashAxisDefault() const;
    double backlashAxis1() const;
    double backlashAxis2() const;
    GuidingSpeed_::E autoguiderRate1() const;
    GuidingSpeed_::E autoguiderRate2() const;
    double pScopeLight() const;

    void setBacklashAxisDefault(double v);
    void setBacklashAxis1(double v);
    void setBacklashAxis2(double v);
    void setAutoguiderRate1(GuidingSpeed_::E v);
    void setAutoguiderRate2(GuidingSpeed_::E v);
    // Axis index 0 writes autoguiderRate1, any other index autoguiderRate2.
    void setAutoguiderRate(int axis, GuidingSpeed_::E v);
    void setPScopeLight(double v);

    // The mount may hold another autoguider speed than the one kept: a write of it went
    // unanswered, and nothing the mount answered has made it sure since. Kept for this run across
    // connections, so that the next connection sends the kept speed again. Not saved, and no
    // change is announced. Axis index as setAutoguiderRate.
    bool autoguiderRateInDoubt(int axis) const;
    void setAutoguiderRateInDoubt(int axis, bool doubt);

    // The slider's angle (radians, not an axis number) in degrees and arc-minutes.
    Q_INVOKABLE QString backlash_getText(double axis) const;

signals:
    void valueChanged_q();

private:
    template <class T>
    void write(KVCachedSetting<T>& setting, const T& v);

    const std::shared_ptr<IKVStore> m_store;
    const std::shared_ptr<IAstroFormat> m_format;
    KVCachedSetting<double> m_backlashDefault;
    KVCachedSetting<double> m_backlash1;
    KVCachedSetting<double> m_backlash2;
    KVCachedSetting<GuidingSpeed_::E> m_agRate1;
    KVCachedSetting<GuidingSpeed_::E> m_agRate2;
    KVCachedSetting<double> m_pScopeLight;
    std::array<std::atomic<bool>, 2> m_agRateInDoubt{};
};

} // namespace Ko
