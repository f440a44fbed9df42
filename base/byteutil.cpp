#include "base/byteutil.h"

#include "base/koassert.h"

#include <bit>
#include <cstring>

namespace Ko::ByteUtil {

uint8_t ByteOfInt(int32_t v, int byteIndex) {
    KO_ASSERT(0 <= byteIndex && byteIndex < 4);
    return static_cast<uint8_t>((static_cast<uint32_t>(v) >> (8 * byteIndex)) & 0xFF);
}

uint8_t ByteOfLong(int64_t v, int byteIndex) {
    KO_ASSERT(0 <= byteIndex && byteIndex < 8);
    return static_cast<uint8_t>((static_cast<uint64_t>(v) >> (8 * byteIndex)) & 0xFF);
}

CBytes IntBytesLE(int32_t v, int n) {
    CBytes out(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k)
        out[k] = ByteOfInt(v, k);
    return out;
}

CBytes IntBytesBE(int32_t v, int n) {
    CBytes out(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k)
        out[k] = ByteOfInt(v, n - 1 - k);
    return out;
}

CBytes LongBytesLE(int64_t v, int n) {
    CBytes out(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k)
        out[k] = ByteOfLong(v, k);
    return out;
}

CBytes LongBytesBE(int64_t v, int n) {
    CBytes out(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k)
        out[k] = ByteOfLong(v, n - 1 - k);
    return out;
}

CBytes FloatBytesLE(float v) {
    return IntBytesLE(std::bit_cast<int32_t>(v), 4);
}

CBytes DoubleBytesLE(double v) {
    return LongBytesLE(std::bit_cast<int64_t>(v), 8);
}

namespace {
uint64_t readBE(const CBytes& b) {
    uint64_t v = 0;
    for (uint8_t byte : b)
        v = (v << 8) | byte;
    return v;
}
uint64_t readLE(const CBytes& b) {
    uint64_t v = 0;
    for (size_t i = b.size(); i-- > 0;)
        v = (v << 8) | b[i];
    return v;
}
} // namespace

int32_t BytesBE_Int(const CBytes& b) {
    KO_ASSERT(0 < b.size() && b.size() <= 4);
    return static_cast<int32_t>(static_cast<uint32_t>(readBE(b)));
}

int32_t BytesLE_Int(const CBytes& b) {
    KO_ASSERT(0 < b.size() && b.size() <= 4);
    return static_cast<int32_t>(static_cast<uint32_t>(readLE(b)));
}

int64_t BytesBE_Long(const CBytes& b) {
    KO_ASSERT(0 < b.size() && b.size() <= 8);
    return static_cast<int64_t>(readBE(b));
}

int64_t BytesLE_Long(const CBytes& b) {
    KO_ASSERT(0 < b.size() && b.size() <= 8);
    return static_cast<int64_t>(readLE(b));
}

float BytesLE_Float(const CBytes& b) {
    return std::bit_cast<float>(BytesLE_Int(b));
}

double BytesLE_Double(const CBytes& b) {
    return std::bit_cast<double>(BytesLE_Long(b));
}

char Nib_B16(uint8_t nib) {
    KO_ASSERT(nib <= 0xF);
    return static_cast<char>(nib < 10 ? '0' + nib : 'A' + (nib - 10));
}

bool HexDigitValue(char c, uint8_t& out) {
    if (c >= '0' && c <= '9') {
        out = static_cast<uint8_t>(c - '0');
        return true;
    }
    if (c >= 'A' && c <= 'F') {
        out = static_cast<uint8_t>(c - 'A' + 10);
        return true;
    }
    return false;
}

std::string BytesToHex(const CBytes& b) {
    std::string out;
    out.reserve(b.size() * 2);
    for (uint8_t byte : b) {
        out.push_back(Nib_B16(byte >> 4));
        out.push_back(Nib_B16(byte & 0x0F));
    }
    return out;
}

bool HexToBytes(std::string_view text, CBytes& out) {
    if (text.size() % 2 != 0)
        return false;
    CBytes result(text.size() / 2);
    for (size_t i = 0; i < result.size(); ++i) {
        uint8_t hi = 0, lo = 0;
        if (!HexDigitValue(text[2 * i], hi) || !HexDigitValue(text[2 * i + 1], lo))
            return false;
        result[i] = static_cast<uint8_t>((hi << 4) | lo);
    }
    out = std::move(result);
    return true;
}

std::string IntHexLE(int32_t v, int n) {
    return BytesToHex(IntBytesLE(v, n));
}
std::string IntHexBE(int32_t v, int n) {
    return BytesToHex(IntBytesBE(v, n));
}
std::string LongHexLE(int64_t v, int n) {
    return BytesToHex(LongBytesLE(v, n));
}
std::string LongHexBE(int64_t v, int n) {
    return BytesToHex(LongBytesBE(v, n));
}

namespace {
// The text comes from outside, so a length the value cannot hold is refused, not asserted.
template <class T, T (*Read)(const CBytes&)>
bool hexRead(std::string_view text, T& out) {
    CBytes b;
    if (text.empty() || text.size() > 2 * sizeof(T) || !HexToBytes(text, b))
        return false;
    out = Read(b);
    return true;
}
} // namespace

bool HexLE_Int(std::string_view text, int32_t& out) {
    return hexRead<int32_t, BytesLE_Int>(text, out);
}
bool HexBE_Int(std::string_view text, int32_t& out) {
    return hexRead<int32_t, BytesBE_Int>(text, out);
}
bool HexLE_Long(std::string_view text, int64_t& out) {
    return hexRead<int64_t, BytesLE_Long>(text, out);
}
bool HexBE_Long(std::string_view text, int64_t& out) {
    return hexRead<int64_t, BytesBE_Long>(text, out);
}

namespace {
struct Escape {
    uint8_t byte;
    char letter;
};
constexpr Escape kEscapes[] = {{0x07, 'a'}, {0x08, 'b'}, {0x0C, 'f'}, {0x0A, 'n'},
                               {0x0D, 'r'}, {0x09, 't'}, {0x0B, 'v'}};
} // namespace

CBytes EscapedText(const CBytes& b, bool terminate) {
    CBytes out;
    out.reserve(b.size() + 8);
    for (uint8_t byte : b) {
        if (byte >= 0x20 && byte <= 0x7E) {
            out.push_back(byte);
            continue;
        }
        bool done = false;
        for (const auto& e : kEscapes) {
            if (e.byte == byte) {
                out.push_back('\\');
                out.push_back(static_cast<uint8_t>(e.letter));
                done = true;
                break;
            }
        }
        if (!done) {
            out.push_back('\\');
            out.push_back('x');
            out.push_back(static_cast<uint8_t>(Nib_B16(byte >> 4)));
            out.push_back(static_cast<uint8_t>(Nib_B16(byte & 0x0F)));
        }
    }
    if (terminate)
        out.push_back(0);
    return out;
}

const char* EscapedCString(const CBytes& b) {
    constexpr size_t kBufferSize = 257;
    thread_local char buffer[kBufferSize];
    if (b.size() > kBufferSize - 1)
        return nullptr;
    // The escaped text and its terminator must fit in 256 bytes.
    const CBytes text = EscapedText(b, true);
    if (text.size() > kBufferSize - 1)
        return nullptr;
    std::memcpy(buffer, text.data(), text.size());
    return buffer;
}

} // namespace Ko::ByteUtil
