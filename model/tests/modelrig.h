#pragma once

#include "astro/astrocalc.h"
#include "astro/qastroformat.h"
#include "base/clock.h"
#include "base/location2.h"
#include "base/qtfileutil.h"
#include "base/qtkvstore.h"
#include "base/tests/fakeclock.h"
#include "base/toastmanageruistub.h"
#include "model/aligner.h"
#include "model/alignment.h"
#include "model/alignmentdatacontainer.h"
#include "model/modelservices.h"
#include "model/pae.h"
#include "model/permountdata.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <memory>
#include <mutex>
#include <tuple>
#include <utility>
#include <vector>

// The settings store as the program has it, forwarding to a real store over a settings file,
// recording the keys removed, in order. A test may arm an action: it runs once, on the caller's
// thread, right after the first access to a key it names, so another step can land at exactly
// that point of the caller's work.
class FakeKVStore : public Ko::QtKVStore {
public:
    using QtKVStore::QtKVStore;
    void remove(const std::string& key) override {
        {
            std::lock_guard lock(m_hookMutex);
            removed.push_back(key);
        }
        QtKVStore::remove(key);
        afterAccess(key);
    }
    bool contains(const std::string& key) const override {
        const bool found = QtKVStore::contains(key);
        afterAccess(key);
        return found;
    }
    double loadDouble(const std::string& key, double def) const override {
        const double value = QtKVStore::loadDouble(key, def);
        afterAccess(key);
        return value;
    }
    void saveDouble(const std::string& key, double value) override {
        QtKVStore::saveDouble(key, value);
        afterAccess(key);
    }

    // Armed before the work it interrupts starts; taken (and so disarmed) by the first access.
    void arm(std::vector<std::string> keys, std::function<void()> action) {
        std::lock_guard lock(m_hookMutex);
        m_hookKeys = std::move(keys);
        m_hook = std::move(action);
    }

    // Read by the test only while no other thread uses the store.
    std::vector<std::string> removed;

private:
    void afterAccess(const std::string& key) const {
        std::function<void()> action;
        {
            std::lock_guard lock(m_hookMutex);
            if (!m_hook || std::find(m_hookKeys.begin(), m_hookKeys.end(), key) == m_hookKeys.end())
                return;
            action = std::exchange(m_hook, {});
        }
        action();
    }

    mutable std::mutex m_hookMutex;
    std::vector<std::string> m_hookKeys;
    mutable std::function<void()> m_hook;
};

// The pointing-model services built as the composition root builds them, over a settings file in
// a scratch folder. start() again builds a fresh set over the same file, as a later run of the
// program would.
class ModelRig {
public:
    explicit ModelRig() { start(); }

    void start() {
        aligner.reset();
        pae.reset();
        container.reset();
        auto fileUtil =
            std::make_shared<Ko::QtFileUtil>("QuorvelPro", dir.filePath("app").toStdString());
        store = std::make_shared<FakeKVStore>(QStringLiteral("Settings.txt"), fileUtil);
        location = std::make_shared<Ko::Location2>(store);
        astroCalc =
            std::make_shared<Ko::AstroCalc>(location, std::make_shared<Ko::AstroClock>(clock));
        format = std::make_shared<Ko::QAstroFormat>(nullptr);
        perMount = std::make_shared<Ko::PerMountData>(store);
        Ko::PublishedRows published;
        Ko::ModelServices m = Ko::makeModelServices(
            {location, perMount, toast, astroCalc, format, nullptr}, published);
        std::tie(model, alignment, container, pae) =
            std::tuple(m.alignmentData, m.alignment, m.alignmentDataContainer, m.pae);
        aligner = std::make_shared<Ko::Aligner>(container, perMount, location, clock, astroCalc);
    }

    QJsonObject file() const {
        QFile f(dir.filePath("QuorvelPro/Settings.txt"));
        return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object()
                                           : QJsonObject();
    }

    void writeFile(const QJsonObject& o) const {
        QDir().mkpath(dir.filePath("QuorvelPro"));
        QFile f(dir.filePath("QuorvelPro/Settings.txt"));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(QJsonDocument(o).toJson());
    }

    void setSite(double latRad, double lonRad) {
        Ko::CLocation l = location->location();
        l.latitudeRad = latRad;
        l.longitudeRad = lonRad;
        location->setLocation(l);
    }

    QTemporaryDir dir;
    std::shared_ptr<Ko::FakeClock> clock = std::make_shared<Ko::FakeClock>(1700000000000);
    std::shared_ptr<Ko::ToastManagerUIStub> toast = std::make_shared<Ko::ToastManagerUIStub>();
    std::shared_ptr<FakeKVStore> store;
    std::shared_ptr<Ko::Location2> location;
    std::shared_ptr<Ko::AstroCalc> astroCalc;
    std::shared_ptr<Ko::QAstroFormat> format;
    std::shared_ptr<Ko::PerMountData> perMount;
    std::shared_ptr<Ko::SharedAlignmentData> model;
    std::shared_ptr<Ko::Alignment> alignment;
    std::shared_ptr<Ko::AlignmentDataContainer> container;
    std::shared_ptr<Ko::PAE> pae;
    std::shared_ptr<Ko::Aligner> aligner;
};
