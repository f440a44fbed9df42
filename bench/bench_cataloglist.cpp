// Every catalog list of the program on its own path: the database opened first, on the same thread,
// then the lists over it (named stars, double stars, named deep-sky objects, and one over all
// three), the planet list and the comet list over the shipped comet file; sorted by azimuth with
// both filters off, so that every object passes through the search, the sort and the row texts.
// On one thread; prints the best and the median of the rounds in thread CPU milliseconds:
//   keystroke  one two-letter search text typed while the list is shown: reload, positions of
//              date, azimuth and altitude, filter, search, sort, rows
//   tick       the clock moves on one second and the whole list is rebuilt and sorted again
//   load       of either, the part spent in the sources' load() (positions of date)
//   bench_cataloglist [rounds]

#include "astro/astrocalc.h"
#include "astro/qastroformat.h"
#include "base/clock.h"
#include "base/languagemanager.h"
#include "base/location2.h"
#include "base/qtfileutil.h"
#include "base/qtkvstore.h"
#include "bench/benchsupport.h"
#include "catalog/astrodatabase.h"
#include "catalog/catalogsettings.h"
#include "catalog/cometcataloglist.h"
#include "catalog/doublestarcataloglist.h"
#include "catalog/icometfile.h"
#include "catalog/nameddsocataloglist.h"
#include "catalog/namedstarcataloglist.h"
#include "catalog/solarsystem.h"
#include "catalog/solarsystemcataloglist.h"
#include "catalog/sunvisibility.h"
#include "mount/altrange.h"
#include "pages/cataloglist.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <vector>

using namespace Ko;
using namespace Ko::Bench;

namespace {

// 2026-03-20 00:00 UT; moved on by hand.
class TickClock : public IClock {
public:
    int64_t nowMs() const override { return m_ms; }
    void advance(int64_t ms) { m_ms += ms; }

private:
    std::atomic<int64_t> m_ms{1773964800000};
};

// Every object of the given sources as one source; times the loads it makes.
class AllObjects : public ICatalogListRaw {
public:
    explicit AllObjects(std::vector<std::shared_ptr<ICatalogListRaw>> sources)
        : m_sources(std::move(sources)) {}

    void refresh() override { changed(); }
    std::vector<AstroObj> load() override {
        const double t0 = cpuMs();
        std::vector<AstroObj> all;
        for (const auto& source : m_sources) {
            std::vector<AstroObj> part = source->load();
            all.insert(all.end(), std::make_move_iterator(part.begin()),
                       std::make_move_iterator(part.end()));
        }
        lastLoadMs = cpuMs() - t0;
        return all;
    }
    bool usesDsoVmagLimit() const override { return false; }

    double lastLoadMs = 0;

private:
    std::vector<std::shared_ptr<ICatalogListRaw>> m_sources;
};

// The shipped comet file, never downloaded again.
class ShippedCometFile : public ICometFile {
public:
    explicit ShippedCometFile(std::string path) : m_path(std::move(path)) {}
    FILE* openFile() override { return std::fopen(m_path.c_str(), "r"); }
    void downloadAsync() override {}
    bool downloading() const override { return false; }
    QString failure() const override { return {}; }
    int64_t downloadTime() const override { return std::numeric_limits<int64_t>::max(); }

private:
    std::string m_path;
};

struct Series {
    std::vector<double> total, load;
};

void print(const char* name, const Series& s) {
    std::vector<double> own;
    for (size_t i = 0; i < s.total.size(); ++i)
        own.push_back(s.total[i] - s.load[i]);
    std::printf("%-24s %8.3f /%8.3f %8.3f /%8.3f %8.3f /%8.3f\n", name, best(s.total),
                median(s.total), best(s.load), median(s.load), best(own), median(own));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
    QTemporaryDir dataDir;

    auto clock = std::make_shared<TickClock>();
    auto location = std::make_shared<Location2>(nullptr);
    CLocation site = location->location();
    site.latitudeRad = 0.8; // about 46 degrees north
    location->setLocation(site);
    auto astroClock = std::make_shared<AstroClock>(clock);
    auto calc = std::make_shared<AstroCalc>(location, astroClock);
    auto language = std::make_shared<LanguageManager>(nullptr, nullptr);
    auto store = std::make_shared<QtKVStore>(
        "Settings.txt", std::make_shared<QtFileUtil>("QuorvelPro", dataDir.path().toStdString()));
    auto solar = std::make_shared<SolarSystem>(astroClock, calc, language);
    auto settings =
        std::make_shared<CatalogSettings>(store, clock, std::make_shared<AltRange>(store), calc,
                                          std::make_shared<SunVisibility>(calc, solar, astroClock));
    settings->setEnableAltRangeViewFilter(false);
    settings->setEnableVmagFilter(false);
    settings->setSortOrder(CatalogSortOrder_::Az);

    auto db =
        std::make_shared<AstroDatabase>(language, std::make_shared<ShippedFile>(KO_SKYOBJ_DB));
    auto stars = std::make_shared<NamedStarCatalogList>(calc, db);
    auto doubles = std::make_shared<DoubleStarCatalogList>(calc, db, false);
    auto dsos = std::make_shared<NamedDsoCatalogList>(calc, db, false);
    const auto timed = [](std::shared_ptr<ICatalogListRaw> source) {
        return std::make_shared<AllObjects>(
            std::vector<std::shared_ptr<ICatalogListRaw>>{std::move(source)});
    };
    const std::pair<const char*, std::shared_ptr<AllObjects>> lists[] = {
        {"named stars", timed(stars)},
        {"double stars", timed(doubles)},
        {"named deep-sky", timed(dsos)},
        {"database, all three",
         std::make_shared<AllObjects>(
             std::vector<std::shared_ptr<ICatalogListRaw>>{stars, doubles, dsos})},
        {"planets", timed(std::make_shared<SolarSystemCatalogList>(solar, false))},
        {"comets",
         timed(std::make_shared<CometCatalogList>(
             astroClock, location, std::make_shared<ShippedCometFile>(KO_COMET_SEED), clock))}};
    const auto format = std::make_shared<QAstroFormat>(language);

    std::printf("%d rounds, sorted by azimuth, filters off\n", rounds);
    std::printf("%-24s %18s %18s %18s\n", "ms", "total best/med", "load() best/med",
                "list best/med");
    for (const auto& [name, source] : lists) {
        CatalogList list(source, calc, format, settings);
        list.setDisplayed(true);
        const size_t objects = list.list().size();

        // Two texts of two letters that many names and constellations contain, typed in turn.
        const char* texts[] = {"an", "ar"};
        Series keystroke, tick;
        size_t matched = 0;
        for (int r = 0; r < rounds; ++r) {
            const double t0 = cpuMs();
            list.setSearchText(std::string(texts[r % 2]));
            keystroke.total.push_back(cpuMs() - t0);
            keystroke.load.push_back(source->lastLoadMs);
            matched += list.list().size();
        }
        list.setSearchText(std::string());
        for (int r = 0; r < rounds; ++r) {
            clock->advance(1000);
            const double t0 = cpuMs();
            list.setDisplayed(false);
            list.setDisplayed(true);
            tick.total.push_back(cpuMs() - t0);
            tick.load.push_back(source->lastLoadMs);
        }
        std::printf("%s: %zu objects, %.0f rows per search\n", name, objects,
                    double(matched) / rounds);
        print("  keystroke", keystroke);
        print("  tick", tick);
    }
    return 0;
}
