#pragma once

namespace Ko {

// Threads: main thread only.

// Registers the mount-link types that QML sees: the outcome enumeration as "CmdRetType" under
// the given module, the Bluetooth LE objects (not creatable), the Wi-Fi module's types and the
// result gadget as a metatype. Call once before the QML engine exists.
void registerLinkQmlTypes(const char* uri, int versionMajor = 1, int versionMinor = 0);

} // namespace Ko
