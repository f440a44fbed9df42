#pragma once

#include <QSqlQuery>
#include <QVariant>

#include <string>

namespace Ko {

// Threads: main thread only, as the database.

// Column values of the current record of a catalog query, by name (Qt ignores the case).
inline std::string recordText(const QSqlQuery& q, const char* column) {
    return q.value(QLatin1String(column)).toString().toStdString();
}

inline float recordFloat(const QSqlQuery& q, const char* column) {
    return q.value(QLatin1String(column)).toFloat();
}

inline double recordDouble(const QSqlQuery& q, const char* column) {
    return q.value(QLatin1String(column)).toDouble();
}

} // namespace Ko
