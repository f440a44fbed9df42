#pragma once

namespace Ko {

// Threads: main thread only.

// The QML modules Ko.Quorvel 1.0 and Ko.AstroBase 1.0 with the types QML names, in this order.
// Both modules are importable even while they hold no type yet.
void registerQmlModules();

// The value types that travel through QVariant between the services and QML.
void registerMetaTypes();

} // namespace Ko
