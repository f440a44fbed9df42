// Opens the shipped sky-object database and loads every named star, double star and deep-sky
// object as sky objects with positions of date, in English and in German, on one thread. The file
// is read once beforehand so that it sits in the page cache. Prints the file size and, per
// language, the best and the median of the rounds, in thread CPU milliseconds:
//   open   building the database and the three sources (open, query, read rows)
//   switch a language change: every source reads its rows again
//   load   the three sources' load(): the objects with their positions of date
//   bench_skyobj [rounds]

#include "astro/astrocalc.h"
#include "base/clock.h"
#include "base/languagemanager.h"
#include "base/location2.h"
#include "bench/benchsupport.h"
#include "catalog/astrodatabase.h"
#include "catalog/doublestarcataloglist.h"
#include "catalog/nameddsocataloglist.h"
#include "catalog/namedstarcataloglist.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace Ko;
using namespace Ko::Bench;

namespace {

struct Figures {
    std::vector<double> open, change, load;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;

    QFile file(KO_SKYOBJ_DB);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", KO_SKYOBJ_DB);
        return 1;
    }
    const qint64 bytes = file.readAll().size(); // into the page cache

    auto location = std::make_shared<Location2>(nullptr);
    auto calc = std::make_shared<AstroCalc>(
        location, std::make_shared<AstroClock>(std::make_shared<CRealClock>()));
    auto fileUtil = std::make_shared<ShippedFile>(KO_SKYOBJ_DB);
    const char* languages[] = {"en", "de"};
    Figures figures[2];
    size_t objects = 0;

    for (int r = 0; r < rounds; ++r) {
        for (int l = 0; l < 2; ++l) {
            auto language = std::make_shared<LanguageManager>(nullptr, nullptr);
            language->setLanguage(languages[l]);
            double t0 = cpuMs();
            {
                auto db = std::make_shared<AstroDatabase>(language, fileUtil);
                NamedStarCatalogList stars(calc, db);
                DoubleStarCatalogList doubles(calc, db, false);
                NamedDsoCatalogList dsos(calc, db, false);
                double t1 = cpuMs();
                figures[l].open.push_back(t1 - t0);

                // Away and back: the second change reads this language's rows again.
                language->setLanguage(languages[1 - l]);
                t0 = cpuMs();
                language->setLanguage(languages[l]);
                t1 = cpuMs();
                figures[l].change.push_back(t1 - t0);

                t0 = cpuMs();
                objects = stars.load().size() + doubles.load().size() + dsos.load().size();
                figures[l].load.push_back(cpuMs() - t0);
            }
            QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
        }
    }

    std::printf("%s: %lld bytes (%.2f MB); %zu objects per language; %d rounds\n", KO_SKYOBJ_DB,
                static_cast<long long>(bytes), bytes / 1048576.0, objects, rounds);
    std::printf("%-8s %18s %18s %18s %18s\n", "language", "open ms best/med", "switch ms",
                "load ms", "open+load ms");
    for (int l = 0; l < 2; ++l) {
        const Figures& f = figures[l];
        std::vector<double> total;
        for (size_t i = 0; i < f.open.size(); ++i)
            total.push_back(f.open[i] + f.load[i]);
        std::printf("%-8s %8.2f /%8.2f %8.2f /%8.2f %8.2f /%8.2f %8.2f /%8.2f\n", languages[l],
                    best(f.open), median(f.open), best(f.change), median(f.change), best(f.load),
                    median(f.load), best(total), median(total));
    }
    return 0;
}
