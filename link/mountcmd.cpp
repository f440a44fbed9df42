#include "link/mountcmd.h"

#include "base/byteutil.h"

#include <limits>

namespace Ko {

namespace {

// Upper-case hex of the low n bytes of v, in the order the caller asks for. Written straight into
// the payload so that building a request costs one allocation.
void appendHex(CBytes& out, uint64_t v, int n, bool littleEndian) {
    for (int k = 0; k < n; ++k) {
        const int index = littleEndian ? k : n - 1 - k;
        const auto byte = static_cast<uint8_t>((v >> (8 * index)) & 0xFF);
        out.push_back(static_cast<uint8_t>(ByteUtil::Nib_B16(byte >> 4)));
        out.push_back(static_cast<uint8_t>(ByteUtil::Nib_B16(byte & 0x0F)));
    }
}

CBytes hexBytes(uint64_t v, int n, bool littleEndian) {
    CBytes out;
    out.reserve(static_cast<size_t>(2 * n));
    appendHex(out, v, n, littleEndian);
    return out;
}

// Decodes the digit pairs in [first, last) the way the byte helpers do, without their
// temporaries: only upper-case digits count.
bool decodeHex(const CBytes& b, size_t first, size_t last, bool littleEndian, uint64_t& out) {
    if ((last - first) % 2 != 0)
        return false;
    const size_t pairs = (last - first) / 2;
    uint64_t v = 0;
    for (size_t p = 0; p < pairs; ++p) {
        uint8_t hi = 0, lo = 0;
        if (!ByteUtil::HexDigitValue(static_cast<char>(b[first + 2 * p]), hi) ||
            !ByteUtil::HexDigitValue(static_cast<char>(b[first + 2 * p + 1]), lo))
            return false;
        const uint64_t byte = static_cast<uint64_t>((hi << 4) | lo);
        if (littleEndian)
            v |= byte << (8 * p);
        else
            v = (v << 8) | byte;
    }
    out = v;
    return true;
}

} // namespace

MountCmd MountCmd::makeW(uint32_t axisIndex, uint32_t value) {
    return MountCmd(axisIndex, 'W', hex24(value));
}

MountCmd MountCmd::makeQ(uint32_t axisIndex, uint32_t value) {
    return MountCmd(axisIndex, 'q', hex24(value));
}

MountCmd MountCmd::makeX(uint32_t axisIndex, uint8_t subCommand, const CBytes& data) {
    CBytes payload;
    payload.reserve(2 + data.size());
    appendHex(payload, subCommand, 1, true);
    payload.appendBytes(data);
    return MountCmd(axisIndex, 'X', std::move(payload));
}

MountCmd MountCmd::makeXSub(uint32_t axisIndex, uint8_t item) {
    return makeX(axisIndex, 0, hexBytes(item, 1, false));
}

MountCmd MountCmd::makeXSub5(uint32_t axisIndex, uint8_t value) {
    return makeX(axisIndex, 5, hexBytes(value, 1, false));
}

CBytes MountCmd::hex24(uint32_t value) {
    return hexBytes(value, 3, true);
}

CBytes MountCmd::hex32(uint32_t value) {
    return hexBytes(value, 4, false);
}

CBytes MountCmd::hex64(uint64_t value) {
    return hexBytes(value, 8, false);
}

int64_t MountCmd::msToTicksValue(int64_t ms, uint32_t tickRate) {
    const double ticks = static_cast<double>(tickRate) * (static_cast<double>(ms) / 1000.0);
    // Out-of-range times saturate instead of overflowing the conversion.
    constexpr double kLimit = 9223372036854775807.0;
    if (ticks >= kLimit)
        return std::numeric_limits<int64_t>::max();
    if (ticks <= -kLimit)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(ticks);
}

CBytes MountCmd::msToTicks(int64_t ms, uint32_t tickRate) {
    return hexBytes(static_cast<uint64_t>(msToTicksValue(ms, tickRate)), 8, false);
}

CBytes MountCmd::encode(const MountCmd& cmd) {
    CBytes frame;
    frame.reserve(4 + cmd.payload.size());
    frame.push_back(':');
    frame.push_back(cmd.letter);
    frame.push_back(cmd.axis == 0 ? '1' : '2');
    frame.appendBytes(cmd.payload);
    frame.push_back('\r');
    return frame;
}

Nullable<uint32_t> MountCmd::parseValue(const CBytes& reply) {
    const size_t n = reply.size();
    if (n != 4 && n != 6 && n != 8)
        return {};
    uint64_t v = 0;
    if (!decodeHex(reply, 1, n - 1, true, v))
        return {};
    return static_cast<uint32_t>(v);
}

Nullable<uint32_t> MountCmd::parseValue32(const CBytes& reply) {
    if (reply.size() != 10)
        return {};
    uint64_t v = 0;
    if (!decodeHex(reply, 1, 9, false, v))
        return {};
    return static_cast<uint32_t>(v);
}

uint32_t MountCmd::parseVersion(const CBytes& reply) {
    size_t eq = 0;
    while (eq < reply.size() && reply[eq] != '=')
        ++eq;
    if (eq == reply.size() || reply.size() - eq != 8)
        return 0;
    uint64_t v = 0;
    if (!decodeHex(reply, eq + 1, eq + 7, false, v))
        return 0;
    const uint32_t p1 = (v >> 16) & 0xFF;
    const uint32_t p2 = (v >> 8) & 0xFF;
    const uint32_t p3 = v & 0xFF;
    return 0x1000000u | (p3 << 16) | (p2 << 8) | p1;
}

} // namespace Ko
