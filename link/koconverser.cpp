#include "link/koconverser.h"

#include "base/byteutil.h"
#include "base/log.h"
#include "link/iconverser.h"
#include "link/mountcmd.h"

#include <algorithm>

namespace Ko {

namespace {

CmdResp<uint32_t> toValue(const CmdResp<CBytes>& resp, Nullable<uint32_t> (*parse)(const CBytes&)) {
    if (!resp.isOk())
        return CmdResp<uint32_t>(resp.type);
    const Nullable<uint32_t> v = parse(resp.value());
    if (!v.hasValue())
        return CmdResp<uint32_t>(CmdRetType_::Other);
    return CmdResp<uint32_t>::ok(v.value());
}

void logErrorReply(const CBytes& request, const CBytes& reply) {
    const CBytes req = ByteUtil::EscapedText(request, true);
    const CBytes rep = ByteUtil::EscapedText(reply, true);
    Log("Conv error resp: Cmd=%d [%s] Resp=%d [%s]", static_cast<int>(request.size()),
        reinterpret_cast<const char*>(req.data()), static_cast<int>(reply.size()),
        reinterpret_cast<const char*>(rep.data()));
}

} // namespace

KoConverser::KoConverser(std::shared_ptr<IConverser> converser)
    : m_converser(std::move(converser)),
      // Every transport's stack puts the serialising converser here; a bare transport keeps no
      // state of the link.
      m_linkState(std::dynamic_pointer_cast<IConverserTimeout>(m_converser)) {}

std::shared_ptr<IConverserTimeout> KoConverser::linkState() const {
    return m_linkState;
}

CmdResp<CBytes> KoConverser::converse(const MountCmd& cmd) {
    return converseBytes(MountCmd::encode(cmd));
}

CmdResp<CBytes> KoConverser::converseBytes(const CBytes& request) {
    CmdResp<CBytes> resp = m_converser->converse(request);
    if (!resp.isOk())
        return resp;
    CBytes& reply = resp.value();
    // Without a marker or a whole frame the reply is Other; a whole frame from '!' is Nak. The
    // reply keeps its bytes from the marker on.
    CmdRetType_::E failure = CmdRetType_::Other;
    const auto start =
        std::find_if(reply.begin(), reply.end(), [](uint8_t b) { return b == '=' || b == '!'; });
    if (start != reply.end()) {
        reply.erase(reply.begin(), start);
        if (reply.size() >= 2 && reply.back() == '\r') {
            if (reply.front() == '=')
                return resp;
            failure = CmdRetType_::Nak;
        }
    }
    logErrorReply(request, reply);
    resp.type = failure;
    return resp;
}

CmdResp<uint32_t> KoConverser::converseValue(const MountCmd& cmd) {
    return toValue(converse(cmd), &MountCmd::parseValue);
}

CmdResp<uint32_t> KoConverser::converseValue32(const MountCmd& cmd) {
    return converseBytesValue32(MountCmd::encode(cmd));
}

CmdResp<uint32_t> KoConverser::converseBytesValue32(const CBytes& request) {
    return toValue(converseBytes(request), &MountCmd::parseValue32);
}

} // namespace Ko
