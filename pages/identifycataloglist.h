#pragma once

#include "pages/iidentifycataloglist.h"

#include <cstdint>
#include <memory>

namespace Ko {

class Handover;
class IAstroCalc;
class IAstroFormat;
class ICatalogListRaw;
class IMountConnection;
class IOriSensor;

// Threads: main thread only; the search runs on a background job.
class IdentifyCatalogList : public IIdentifyCatalogList {
    Q_OBJECT
public:
    IdentifyCatalogList(std::shared_ptr<ICatalogListRaw> namedStars,
                        std::shared_ptr<ICatalogListRaw> solarSystem,
                        std::shared_ptr<ICatalogListRaw> deepSky,
                        std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IAstroFormat> format,
                        std::shared_ptr<IOriSensor> oriSensor,
                        std::shared_ptr<IMountConnection> mountConnection);
    ~IdentifyCatalogList() override;

    AstroObj getAstroObj(int index) override;
    void refresh() override;
    std::vector<AstroListUIItem> list() const override { return m_list; }
    bool useDeviceOri() const override { return m_useDeviceOri; }
    void setUseDeviceOri(bool value) override;
    std::string azAltText() const override { return m_azAltText; }
    std::string raDecText() const override { return m_raDecText; }

    // Which source an object came from; the row shows it.
    enum SourceKind : int32_t { NamedStar = 0, DeepSky = 1, SolarSystem = 2 };

    struct Item {
        AstroObj obj;
        int32_t sourceKind = NamedStar;
        // From the identified direction, radians.
        double separation = 0;
    };

    // One identified direction: (right ascension, declination) of date and the observed
    // (azimuth, altitude), with the objects near it, nearest first.
    struct Found {
        CoordPair pointing;
        CoordPair azAlt;
        std::vector<Item> items;
    };

private:
    struct Sources;

    void onDeviceReading(uint64_t generation, const CoordPair& azAlt);
    void apply(uint64_t generation, Found found);

    const std::shared_ptr<Sources> m_sources;
    const std::shared_ptr<IAstroFormat> m_format;
    const std::shared_ptr<IOriSensor> m_oriSensor;
    const std::shared_ptr<IMountConnection> m_mountConnection;
    // Lets a worker thread post its result here only while this object lives.
    const std::shared_ptr<Handover> m_handover;
    bool m_useDeviceOri = false;
    // Counts refreshes; a result carries the count of the refresh that asked for it.
    uint64_t m_generation = 0;
    CoordPair m_pointing;
    std::string m_azAltText;
    std::string m_raDecText;
    std::vector<Item> m_nearbyItems;
    std::vector<AstroListUIItem> m_list;
};

} // namespace Ko
