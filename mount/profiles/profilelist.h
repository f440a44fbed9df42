#pragma once

#include "base/koassert.h"

#include <QList>
#include <QObject>

#include <algorithm>
#include <memory>
#include <vector>

namespace Ko {

// Threads: main thread only.

// What the lists of user records share. A list owns its records; QML sees them as plain
// pointers that stay valid while they are in the list.

template <class T>
QList<QObject*> profilePointers(const std::vector<std::shared_ptr<T>>& cachedList) {
    QList<QObject*> out;
    out.reserve(qsizetype(cachedList.size()));
    for (const auto& p : cachedList)
        out.append(p.get());
    return out;
}

// The records of cachedList in the order given, moved out of cachedList, which keeps the ones not
// given. Each given pointer must be one of cachedList's records, at most once.
template <class T>
std::vector<std::shared_ptr<T>> takeProfilesInOrder(std::vector<std::shared_ptr<T>>& cachedList,
                                                    const QList<QObject*>& given) {
    std::vector<std::shared_ptr<T>> newList;
    newList.reserve(size_t(given.size()));
    for (QObject* o : given) {
        const auto cachedIt = std::find_if(cachedList.begin(), cachedList.end(),
                                           [o](const auto& p) { return p.get() == o; });
        KO_ASSERT(cachedIt != cachedList.end());
        newList.push_back(std::move(*cachedIt));
        cachedList.erase(cachedIt);
    }
    return newList;
}

// The record at index, 0 or less meaning the first; null for an empty list or past the end.
template <class T>
std::shared_ptr<T> profileAt(const std::vector<std::shared_ptr<T>>& cachedList, int index) {
    const size_t i = index <= 0 ? 0 : size_t(index);
    return i < cachedList.size() ? cachedList[i] : nullptr;
}

} // namespace Ko
