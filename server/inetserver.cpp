#include "server/inetserver.h"

#include <algorithm>
#include <cassert>
#include <system_error>

namespace Ko {

CBytes INetServer::IStream::readBytes(IStream* stream, int64_t len) {
    assert(len >= 0);
    const int64_t got = std::min(len, stream->bytesAvailable());
    CBytes bytes(size_t(len), 0);
    if (got > 0) {
        stream->peek(bytes.data(), got);
        stream->skip(got);
    }
    if (got != len)
        throw std::system_error(0, std::system_category(), "read error");
    return bytes;
}

} // namespace Ko
