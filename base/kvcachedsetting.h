#pragma once

#include "base/ikvstore.h"

#include <memory>
#include <mutex>
#include <string>
#include <type_traits>
#include <utility>

namespace Ko {

// One persisted setting over the key-value store: a read loads once and caches, a write of the
// current value does nothing, any other write saves and caches. Serves std::string, bool, int,
// double, float (stored as double) and enumerations (stored as int). Safe to use from several
// threads: a write compares, saves and caches as one step. Without a store, reads give the
// default (not cached) and writes change only the cache.
// Threads: any thread.
template <class T>
class KVCachedSetting {
public:
    KVCachedSetting(std::shared_ptr<IKVStore> store, std::string key, T def)
        : m_store(std::move(store)), m_key(std::move(key)), m_default(std::move(def)) {}
    KVCachedSetting(const KVCachedSetting&) = delete;
    KVCachedSetting& operator=(const KVCachedSetting&) = delete;

    T value() const {
        std::lock_guard lock(m_mutex);
        return currentLocked();
    }

    // True when the value changed, so the owner knows whether to announce it.
    bool set(const T& v) {
        std::lock_guard lock(m_mutex);
        if (currentLocked() == v)
            return false;
        if (m_store)
            save(v);
        m_cached = v;
        m_valid = true;
        return true;
    }

    // Saves and caches even when the value equals the current one, so that the key is in the
    // store afterwards whatever it held before.
    void write(const T& v) {
        std::lock_guard lock(m_mutex);
        if (m_store)
            save(v);
        m_cached = v;
        m_valid = true;
    }

    // Removes the key from the store and forgets the cached value: the next read loads afresh.
    void remove() {
        std::lock_guard lock(m_mutex);
        if (m_store)
            m_store->remove(m_key);
        m_valid = false;
    }

    bool isCached() const {
        std::lock_guard lock(m_mutex);
        return m_valid;
    }

    const std::string& key() const { return m_key; }
    const T& defaultValue() const { return m_default; }

private:
    T currentLocked() const {
        if (m_valid)
            return m_cached;
        if (!m_store)
            return m_default;
        m_cached = load();
        m_valid = true;
        return m_cached;
    }

    T load() const {
        if constexpr (std::is_same_v<T, std::string>)
            return m_store->loadString(m_key, m_default);
        else if constexpr (std::is_same_v<T, bool>)
            return m_store->loadBool(m_key, m_default);
        else if constexpr (std::is_enum_v<T>)
            return static_cast<T>(m_store->loadInt(m_key, static_cast<int>(m_default)));
        else if constexpr (std::is_same_v<T, int>)
            return m_store->loadInt(m_key, m_default);
        else if constexpr (std::is_same_v<T, double> || std::is_same_v<T, float>)
            return static_cast<T>(m_store->loadDouble(m_key, m_default));
        else
            static_assert(sizeof(T) == 0, "KVCachedSetting: unsupported type");
    }

    void save(const T& v) {
        if constexpr (std::is_same_v<T, std::string>)
            m_store->saveString(m_key, v);
        else if constexpr (std::is_same_v<T, bool>)
            m_store->saveBool(m_key, v);
        else if constexpr (std::is_enum_v<T>)
            m_store->saveInt(m_key, static_cast<int>(v));
        else if constexpr (std::is_same_v<T, int>)
            m_store->saveInt(m_key, v);
        else
            m_store->saveDouble(m_key, static_cast<double>(v));
    }

    const std::shared_ptr<IKVStore> m_store;
    const std::string m_key;
    const T m_default;
    mutable std::mutex m_mutex;
    mutable T m_cached{};
    mutable bool m_valid = false;
};

using KVCachedString = KVCachedSetting<std::string>;

} // namespace Ko
