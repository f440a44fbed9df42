#pragma once

#include "base/astrolistuiitem.h"
#include "base/callbacklist.h"
#include "model/alignmentdata.h"
#include "model/savedalignment.h"

#include <QObject>

#include <utility>
#include <vector>

namespace Ko {

// The holder of the program's current pointing model: it alone writes the shared model that every
// conversion reads, keeps the solved model per mount, restores it for the same mount at the same
// site, and shows the model's terms to QML (in arc-minutes).
// Threads: any thread; QML uses it on the main thread.
class IAlignmentDataContainer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int alignedStarCount READ alignedStarCount NOTIFY valueChanged)
    Q_PROPERTY(double idAmin READ idAmin NOTIFY valueChanged)
    Q_PROPERTY(double chAmin READ chAmin WRITE setChAmin NOTIFY valueChanged)
    Q_PROPERTY(double npAmin READ npAmin WRITE setNpAmin NOTIFY valueChanged)
    Q_PROPERTY(double melAmin READ melAmin NOTIFY valueChanged)
    Q_PROPERTY(double mazAmin READ mazAmin NOTIFY valueChanged)
    Q_PROPERTY(double tiltAmin READ tiltAmin NOTIFY valueChanged)
    Q_PROPERTY(std::vector<Ko::AstroListUIItem> alignStars READ alignStars NOTIFY valueChanged)
public:
    using QObject::QObject;

    // Fired after every change of the model with true while a saved model is being restored and
    // false for every other change (a subscriber that clears derived data acts on false only).
    eventpp::CallbackList<void(bool)> changed;

    virtual bool hasValue() const = 0;
    // A copy of the current model, so that it stays whole while a new model is stored; throws
    // "Read null Nullable" when there is none.
    virtual ALIGNMENT_DATA get() const = 0;
    virtual void setAlignmentData(const ALIGNMENT_DATA& data) = 0;
    // Stores the default model of the connected mount's mode at the current site.
    Q_INVOKABLE virtual void reset() = 0;
    virtual int alignedStarCount() const = 0;
    virtual double idAmin() const = 0;
    virtual double chAmin() const = 0;
    virtual double npAmin() const = 0;
    virtual double melAmin() const = 0;
    virtual double mazAmin() const = 0;
    virtual double tiltAmin() const = 0;
    virtual void setChAmin(double arcmin) = 0;
    virtual void setNpAmin(double arcmin) = 0;
    // The model's polar-axis error pair, radians.
    virtual std::pair<double, double> polarAxisError() const = 0;
    virtual std::vector<AstroListUIItem> alignStars() const = 0;
    // Whether the saved model was made on the connected mount (version, mode and kind code).
    virtual bool isSavedDataForMount(const SavedAlignment& saved) const = 0;
    // Takes the saved site and model when they belong to the connected mount; else nothing.
    virtual void loadSavedData(const SavedAlignment& saved) = 0;
    virtual SavedAlignment makeSavedData() const = 0;

signals:
    void valueChanged();
};

} // namespace Ko
