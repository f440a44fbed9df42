#pragma once

#include <cstdint>

namespace Ko {

// Moves the remote-method server off its fixed port; for tests, so that no two of them share a
// port and none binds the fixed one by accident.
inline constexpr char kRpcPortEnv[] = "KO_RPC_PORT";

// The port that the environment variable name holds, or fallback when it is unset or not a port
// from 1 to 65535.
uint16_t envPort(const char* name, uint16_t fallback);

} // namespace Ko
