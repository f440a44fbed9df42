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
#include "base/ifileutil.h"
#include "base/languagemanager.h"
#include "base/location2.h"
#include "catalog/astrodatabase.h"
#include "catalog/doublestarcataloglist.h"
#include "catalog/nameddsocataloglist.h"
#include "catalog/namedstarcataloglist.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

using namespace Ko;

namespace {

class ShippedFile : public IFileUtil {
public:
    std::string appDataDir() override { return "."; }
    std::string resourceUrl(const std::string& name) override { return "file://" + path(name); }
    std::string resourcePath(const std::string& name) override { return path(name); }
    bool fileExists(const std::string& p) override { return QFileInfo::exists(p.c_str()); }

private:
    static std::string path(const std::string& name) {
        return QFileInfo(KO_SKYOBJ_DB).absolutePath().toStdString() + "/" + name;
    }
};

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

struct Figures {
    std::vector<double> open, change, load;
};

double best(std::vector<double> v) {
    return *std::min_element(v.begin(), v.end());
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

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
    auto fileUtil = std::make_shared<ShippedFile>();
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
