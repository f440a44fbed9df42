#pragma once

#include <cstdint>

namespace Ko {

// Threads: any thread.

// Moves the remote-method server off its fixed port; for tests, so that no two of them share a
// port and none binds the fixed one by accident.
inline constexpr char kRpcPortEnv[] = "KO_RPC_PORT";
// The same for the planetarium servers: the hand-controller protocol and the position server.
inline constexpr char kQrpPortEnv[] = "KO_QRP_PORT";
inline constexpr char kPositionPortEnv[] = "KO_POSITION_PORT";
// Moves the port at which a mount is reached over UDP off the mount's own; for tests that stand a
// simulated mount on loopback, so that several of them can run at once.
inline constexpr char kMountPortEnv[] = "KO_MOUNT_PORT";
// When set, pointing-model sharing searches loopback only (127.0.0.1 to 127.255.255.255) instead
// of every network of the machine; for tests, so that no test broadcasts beyond this machine.
inline constexpr char kBroadcastLoopbackEnv[] = "KO_BROADCAST_LOOPBACK";
// When set, the comet elements are downloaded from this address instead of the public service;
// for tests, which point it at a closed loopback port so that nothing leaves this machine.
inline constexpr char kCometUrlEnv[] = "KO_COMET_URL";

// The port that the environment variable name holds, or fallback when it is unset or not a port
// from 0 to 65535. 0 lets the system pick a free port when the server opens: for tests that never
// talk to that server, so that runs side by side cannot pick the same one.
uint16_t envPort(const char* name, uint16_t fallback);

} // namespace Ko
