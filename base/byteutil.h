#pragma once

#include "base/cbytes.h"

#include <cstdint>
#include <string>
#include <string_view>

// Integer and floating-point values to bytes in both byte orders, bytes to upper-case hexadecimal
// text and back, and bytes to printable text for log lines. The classic motor-controller numbers
// travel as little-endian hex, the extended ones as big-endian hex.
// Threads: any thread.
namespace Ko::ByteUtil {

uint8_t ByteOfInt(int32_t v, int index);
uint8_t ByteOfLong(int64_t v, int index);
CBytes IntBytesLE(int32_t v, int n);
CBytes IntBytesBE(int32_t v, int n);
CBytes LongBytesLE(int64_t v, int n);
CBytes LongBytesBE(int64_t v, int n);
CBytes FloatBytesLE(float v);
CBytes DoubleBytesLE(double v);

int32_t BytesBE_Int(const CBytes& b);
int32_t BytesLE_Int(const CBytes& b);
int64_t BytesBE_Long(const CBytes& b);
int64_t BytesLE_Long(const CBytes& b);
float BytesLE_Float(const CBytes& b);
double BytesLE_Double(const CBytes& b);

char Nib_B16(uint8_t nib);
bool HexDigitValue(char c, uint8_t& out);
std::string BytesToHex(const CBytes& b);
bool HexToBytes(std::string_view text, CBytes& out);
std::string IntHexLE(int32_t v, int n);
std::string IntHexBE(int32_t v, int n);
std::string LongHexLE(int64_t v, int n);
std::string LongHexBE(int64_t v, int n);
bool HexLE_Int(std::string_view text, int32_t& out);
bool HexBE_Int(std::string_view text, int32_t& out);
bool HexLE_Long(std::string_view text, int64_t& out);
bool HexBE_Long(std::string_view text, int64_t& out);

CBytes EscapedText(const CBytes& b, bool terminate);
// Valid until the calling thread's next call; null when the input or its escape is too long.
const char* EscapedCString(const CBytes& b);

} // namespace Ko::ByteUtil
