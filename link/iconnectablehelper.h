#pragma once

#include "link/devicesetupfinisheddata.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>

namespace Ko {

// One found device as the connect popup lists it.
class IConnectableSearchResult {
    Q_GADGET
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString subtitle READ subtitle CONSTANT)
public:
    IConnectableSearchResult() = default;
    IConnectableSearchResult(QString title, QString subtitle)
        : m_title(std::move(title)), m_subtitle(std::move(subtitle)) {}

    QString title() const { return m_title; }
    QString subtitle() const { return m_subtitle; }

private:
    QString m_title;
    QString m_subtitle;
};

// One way of finding a mount and setting up the objects that talk to it. startConnect and
// selectDevice return at once; the helper reports progress through statusChanged and hands the
// finished device graph to the handler. A helper that fails reports it and does not call the
// handler.
// Threads: any thread; the handler may run on a background job.
class IConnectableHelper : public QObject {
    Q_OBJECT
public:
    // Takes the mount's model id; false keeps the mount out of the search results.
    using ModelFilter = std::function<bool(uint8_t modelId)>;
    using SetupHandler = std::function<void(DeviceSetupFinishedData)>;

    using QObject::QObject;

    // A QVariantList of IConnectableSearchResult, or an invalid QVariant when there is no list.
    virtual QVariant devicesList() = 0;
    virtual void startConnect() = 0;
    // A row of devicesList.
    virtual void selectDevice(int index) = 0;
    virtual void setModelFilter(ModelFilter filter) = 0;
    virtual void setHandler(SetupHandler handler) = 0;
    virtual void setEmulatorEnabled(bool enabled) = 0;

signals:
    void statusChanged(bool busy, QString status, QString statusDetail);
    void devicesListChanged();
};

} // namespace Ko

Q_DECLARE_METATYPE(Ko::IConnectableSearchResult)
