#include "server/inetserver.h"

#include <cassert>
#include <system_error>

namespace Ko {

CBytes INetServer::IStream::readBytes(IStream* stream, int64_t len) {
    assert(len >= 0);
    CBytes bytes(size_t(len), 0);
    if (stream->waitRead(bytes.data(), len) != len)
        throw std::system_error(0, std::system_category(), "read error");
    return bytes;
}

} // namespace Ko
