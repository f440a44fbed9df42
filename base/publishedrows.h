#pragma once

#include <QObject>

#include <memory>
#include <utility>
#include <vector>

namespace Ko {

// What the subsystem assemblies hand to the user interface: each service under its root-context
// name ("inj_" + role), appended where the service is made. The composition root publishes them
// all at the end.
// Threads: main thread only.
using PublishedRows = std::vector<std::pair<const char*, std::shared_ptr<QObject>>>;

} // namespace Ko
