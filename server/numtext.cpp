#include "server/numtext.h"

#include <QString>

#include <cmath>

namespace Ko::NumText {

namespace {

QString latin1(const char* text, int64_t length) {
    return length < 0 ? QString::fromLatin1(text) : QString::fromLatin1(text, qsizetype(length));
}

template <class T, class Read>
Nullable<T> nullable(const std::string& text, Read read) {
    T value{};
    if (read(text.data(), int64_t(text.size()), &value))
        return value;
    return {};
}

} // namespace

std::string fromDouble(double value) {
    return QString::number(value, 'g', 12).toStdString();
}

std::string fromInt(int value) {
    return QString::number(value).toStdString();
}

std::string fromLong(int64_t value) {
    return QString::number(qlonglong(value)).toStdString();
}

bool toDouble(const char* text, int64_t length, double* out) {
    bool ok = false;
    const double value = latin1(text, length).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    *out = value;
    return true;
}

bool toInt(const char* text, int64_t length, int* out) {
    bool ok = false;
    const int value = latin1(text, length).toInt(&ok, 10);
    if (!ok)
        return false;
    *out = value;
    return true;
}

bool toLong(const char* text, int64_t length, int64_t* out) {
    bool ok = false;
    const qlonglong value = latin1(text, length).toLongLong(&ok, 10);
    if (!ok)
        return false;
    *out = value;
    return true;
}

Nullable<double> toNullableDouble(const std::string& text) {
    return nullable<double>(text, toDouble);
}

Nullable<int> toNullableInt(const std::string& text) {
    return nullable<int>(text, toInt);
}

Nullable<int64_t> toNullableLong(const std::string& text) {
    return nullable<int64_t>(text, toLong);
}

} // namespace Ko::NumText
