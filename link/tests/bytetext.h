#pragma once

// Byte vectors as the texts Qt Test compares and prints, and back.

#include "base/cbytes.h"

#include <QByteArray>

#include <string>

namespace Ko {

inline QByteArray qb(const CBytes& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

inline CBytes cb(const QByteArray& a) {
    return CBytes::fromData(a.constData(), size_t(a.size()));
}

inline std::string text(const CBytes& b) {
    return std::string(b.begin(), b.end());
}

} // namespace Ko
