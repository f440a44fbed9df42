#pragma once

#include "catalog/icataloglistraw.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace Ko {

class IAstroClock;
class IClock;
class ICometFile;
class ILocation;

// One comet's orbit as a line of the elements file gives it; angles in degrees, referred to
// J2000.0.
struct CometElements {
    double perihelionJd = 0;
    double q = 0;
    double e = 0;
    double argPerihelion = 0;
    double node = 0;
    double inclination = 0;
    double h = 0;
    double k = 0;
    std::string name;
};

// The comets of the local elements file, placed for now and the observing site. The file is
// downloaded again when its last download is more than three days old, at most once each time
// the list is shown and not within an hour of a failed download. Measured against the
// deep-sky magnitude limit.
// Threads: main thread only, but load any thread.
class CometCatalogList : public ICatalogListRaw {
public:
    CometCatalogList(std::shared_ptr<IAstroClock> astroClock, std::shared_ptr<ILocation> location,
                     std::shared_ptr<ICometFile> file, std::shared_ptr<IClock> clock);
    ~CometCatalogList() override;

    void shown() override;
    // Fires changed at once while the file is fresh; otherwise starts a download and fires once
    // it has finished, whether it brought a new file or not. Only the first refresh of each
    // showing downloads, and none within an hour of a failed download: those read the local
    // file at once, as does a refresh while a download runs.
    void refresh() override;
    // The comets in file order, up to the first line that is not a well-formed comet.
    std::vector<AstroObj> load() override;
    bool usesDsoVmagLimit() const override { return true; }

    // One line by its fixed columns (without its line end); false unless all eleven numbers are
    // there. Each line stands alone: a blank name or a short line never reaches into the next.
    static bool parseLine(std::string_view line, CometElements& elements);
    // Reads the next line of the stream and parses it; false at the end of the stream.
    static bool readElements(FILE* stream, CometElements& elements);
    // The comet at the Julian Day jd, seen from a site at a longitude (radians, positive west),
    // latitude (radians) and height (metres).
    static AstroObj computeObject(const CometElements& elements, double jd, double longitudeRad,
                                  double latitudeRad, double altitudeMeter);

private:
    const std::shared_ptr<IAstroClock> m_astroClock;
    const std::shared_ptr<ILocation> m_location;
    const std::shared_ptr<ICometFile> m_file;
    const std::shared_ptr<IClock> m_clock;
    eventpp::CallbackList<void(bool)>::Handle m_subscription;
    // Until the first showing, the first refresh may download too.
    bool m_mayDownload = true;
    std::optional<int64_t> m_lastFailureMs;
};

} // namespace Ko
