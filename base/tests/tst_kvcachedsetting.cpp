#include "base/kvcachedsetting.h"
#include "base/qtkvstore.h"
#include "base/tests/scratchsettings.h"

#include <QJsonObject>
#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

using namespace Ko;

namespace {
enum class Speed : int { Slow = 0, Medium = 1, Fast = 2 };

std::shared_ptr<QtKVStore> memoryStore() {
    return std::make_shared<QtKVStore>("", std::shared_ptr<IFileUtil>());
}
} // namespace

class TestKVCachedSetting : public QObject {
    Q_OBJECT

    // The read is cached: a change made behind the item's back is not seen, in either form.
    template <class T>
    void checkCachingRules(T def, T other, T third) {
        auto store = memoryStore();
        KVCachedSetting<T> item(store, "k", def);
        QCOMPARE(item.value(), def);
        QVERIFY(!store->contains("k")); // reading does not write the default

        KVCachedSetting<T>(store, "k", def).set(other);
        QCOMPARE(item.value(), def);

        // Writing the cached value is a no-op even though the store now holds something else.
        QVERIFY(!item.set(def));
        QCOMPARE(KVCachedSetting<T>(store, "k", def).value(), other);

        QVERIFY(item.set(third));
        QCOMPARE(item.value(), third);
        QCOMPARE(KVCachedSetting<T>(store, "k", def).value(), third);
    }

private slots:
    void cachingRulesForEveryType() {
        checkCachingRules<std::string>("192.168.4.1", "10.0.0.2", "");
        checkCachingRules<int>(2, -3, 100);
        checkCachingRules<double>(1.3089969389957472, 0.5, -0.25);
        checkCachingRules<bool>(true, false, false);
        checkCachingRules<float>(2.0f, 6.5f, 7.25f);
        checkCachingRules<Speed>(Speed::Fast, Speed::Slow, Speed::Medium);
    }

    void valuesUseTheStoresTypedForms() {
        auto store = memoryStore();
        KVCachedSetting<float>(store, "f", 0).set(6.5f);
        KVCachedSetting<Speed>(store, "e", Speed::Slow).set(Speed::Fast);
        KVCachedSetting<bool>(store, "b", false).set(true);
        KVCachedString(store, "s", "").set("text");
        QCOMPARE(store->json(), (QJsonObject{{"f", 6.5}, {"e", 2}, {"b", true}, {"s", "text"}}));
    }

    void wrongStoredTypeReadsAsDefault() {
        auto store = memoryStore();
        store->saveString("k", "5");
        QCOMPARE(KVCachedSetting<int>(store, "k", 9).value(), 9);
        store->saveDouble("k", 2.5);
        QCOMPARE(KVCachedSetting<int>(store, "k", 9).value(), 9);
        QCOMPARE(KVCachedString(store, "k", "d").value(), std::string("d"));
    }

    void withoutStoreDefaultIsNotCachedButWritesAre() {
        KVCachedSetting<int> item(nullptr, "k", 4);
        QCOMPARE(item.value(), 4);
        QVERIFY(!item.set(4));
        QVERIFY(item.set(5));
        QCOMPARE(item.value(), 5);
        QCOMPARE(item.key(), std::string("k"));
        QCOMPARE(item.defaultValue(), 4);
    }

    void writesReachTheFile() {
        ScratchSettings scratch;
        QVERIFY(scratch.isValid());
        {
            KVCachedString item(scratch.makeStore(), "cxn.ip", "x");
            QVERIFY(item.set("10.1.1.1"));
        }
        KVCachedString again(scratch.makeStore(), "cxn.ip", "x");
        QCOMPARE(again.value(), std::string("10.1.1.1"));
    }

    void concurrentWritersAgreeWithStore() {
        auto store = memoryStore();
        KVCachedSetting<int> item(store, "k", 0);
        std::atomic<int> changes{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&, t] {
                for (int i = 0; i < 500; ++i) {
                    if (item.set((i % 2) ? t + 1 : -(t + 1)))
                        ++changes;
                    item.value();
                }
            });
        }
        for (auto& th : threads)
            th.join();
        // Compare, save and cache happen as one step, so cache and store never disagree.
        QCOMPARE(store->loadInt("k", 0), item.value());
        QVERIFY(changes.load() > 0);
    }

    void concurrentFirstReadsSeeOneValue() {
        auto store = memoryStore();
        store->saveString("k", "stored");
        KVCachedString item(store, "k", "def");
        std::atomic<int> wrong{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&] {
                if (item.value() != "stored")
                    ++wrong;
            });
        for (auto& th : threads)
            th.join();
        QCOMPARE(wrong.load(), 0);
    }
};

QTEST_GUILESS_MAIN(TestKVCachedSetting)
#include "tst_kvcachedsetting.moc"
