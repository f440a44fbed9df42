#pragma once

#include "base/nullable.h"

#include <cstdint>
#include <string>

// Numbers that travel as text in remote requests and replies: integers in base 10, doubles with
// 12 significant digits; read with Qt's C-locale parse. Only finite numbers are numbers here:
// "nan" and "inf", which the parse accepts, would pass every range check of a caller.
// Threads: any thread.
namespace Ko::NumText {

std::string fromDouble(double value);
std::string fromInt(int value);
std::string fromLong(int64_t value);

// text is Latin-1; a negative length reads up to the terminating zero byte. *out is written
// only on success.
bool toDouble(const char* text, int64_t length, double* out);
// Fails outside the 32-bit signed range.
bool toInt(const char* text, int64_t length, int* out);
bool toLong(const char* text, int64_t length, int64_t* out);

Nullable<double> toNullableDouble(const std::string& text);
Nullable<int> toNullableInt(const std::string& text);
Nullable<int64_t> toNullableLong(const std::string& text);

} // namespace Ko::NumText
