#pragma once

#include <memory>

namespace Ko {

class VtmServer;
class UrlApiServer;

// Owner of the services that QML never sees, so that they live as long as the published ones.
// The member order fixes the teardown order: the URL-scheme API goes before the remote-method
// server.
// Threads: main thread only.
struct PDepContainer {
    std::shared_ptr<VtmServer> vtmServer;
    std::shared_ptr<UrlApiServer> urlApiServer;
};

} // namespace Ko
