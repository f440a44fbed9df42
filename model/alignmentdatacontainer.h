#pragma once

#include "model/ialignmentdatacontainer.h"

#include <atomic>
#include <memory>

namespace Ko {

class IAlignment;
class IAstroCalc;
class IAstroFormat;
class ILocation;
class IPerMountData;
class IShortMessageSink;
class SharedAlignmentData;

// The container over the shared model. Every change of the model is written whole to the shared
// holder (one step, under the holder's lock), kept as package text per mount unless it comes from
// a restore, then announced: the transform's list, this container's list, valueChanged.
// Threads: any thread; announcements run on the caller's thread.
class AlignmentDataContainer : public IAlignmentDataContainer {
    Q_OBJECT
public:
    AlignmentDataContainer(std::shared_ptr<ILocation> location,
                           std::shared_ptr<IPerMountData> perMountData,
                           std::shared_ptr<SharedAlignmentData> model,
                           std::shared_ptr<IAlignment> alignment,
                           std::shared_ptr<IShortMessageSink> messages,
                           std::shared_ptr<IAstroCalc> astroCalc,
                           std::shared_ptr<IAstroFormat> astroFormat, QObject* parent = nullptr);
    ~AlignmentDataContainer() override;

    bool hasValue() const override;
    ALIGNMENT_DATA get() const override;
    void setAlignmentData(const ALIGNMENT_DATA& data) override;
    void reset() override;
    int alignedStarCount() const override;
    double idAmin() const override;
    double chAmin() const override;
    double npAmin() const override;
    double melAmin() const override;
    double mazAmin() const override;
    double tiltAmin() const override;
    void setChAmin(double arcmin) override;
    void setNpAmin(double arcmin) override;
    std::pair<double, double> polarAxisError() const override;
    std::vector<AstroListUIItem> alignStars() const override;
    bool isSavedDataForMount(const SavedAlignment& saved) const override;
    void loadSavedData(const SavedAlignment& saved) override;
    SavedAlignment makeSavedData() const override;

    // Haversine distance in metres between two sites on the mean Earth sphere.
    static double siteDistanceMeter(double lat1, double lon1, double lat2, double lon2);

private:
    void restore();
    void onSiteChanged();
    void editTerm(double ALIGNMENT_DATA::*term, double arcmin);
    SavedAlignment savedFrom(const ALIGNMENT_DATA& data) const;
    // Keeps the model per mount (unless restoring) and announces it.
    void persistAndAnnounce(const ALIGNMENT_DATA& data);

    const std::shared_ptr<ILocation> m_location;
    const std::shared_ptr<IPerMountData> m_perMountData;
    const std::shared_ptr<SharedAlignmentData> m_model;
    const std::shared_ptr<IAlignment> m_alignment;
    const std::shared_ptr<IShortMessageSink> m_messages;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IAstroFormat> m_astroFormat;
    // Set only while a restore runs.
    std::atomic<bool> m_restoring{false};
    eventpp::CallbackList<void()>::Handle m_siteSubscription;
    eventpp::CallbackList<void()>::Handle m_mountSubscription;
};

} // namespace Ko
