#pragma once

#include <optional>
#include <stdexcept>
#include <utility>

namespace Ko {

// A value that may be missing. Reading an empty one is a programming error and throws, so a
// missing alignment, mount mode or target can never be used by accident.
// Threads: any thread, as any value type.
template <class T>
class Nullable {
public:
    Nullable() = default;
    Nullable(const T& v) : m_value(v) {}
    Nullable(T&& v) : m_value(std::move(v)) {}

    bool hasValue() const noexcept { return m_value.has_value(); }

    const T& value() const {
        if (!m_value)
            throw std::logic_error("Read null Nullable");
        return *m_value;
    }
    T& value() {
        if (!m_value)
            throw std::logic_error("Read null Nullable");
        return *m_value;
    }

    T valueOr(T fallback) const { return m_value ? *m_value : std::move(fallback); }

    void set(T v) { m_value = std::move(v); }
    void reset() noexcept { m_value.reset(); }

    friend bool operator==(const Nullable& a, const Nullable& b) { return a.m_value == b.m_value; }

private:
    std::optional<T> m_value;
};

} // namespace Ko
