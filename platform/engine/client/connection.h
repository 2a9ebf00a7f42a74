// The binding's connection to the engine server: finding or starting the server, the
// hello exchange, and one request/reply round trip.
#ifndef ENGINE_CLIENT_CONNECTION_H
#define ENGINE_CLIENT_CONNECTION_H

#include <cstdint>
#include <string>
#include <vector>

namespace engine::client {

// Sets where the server program lies (from the plugin file's path).
void setServerProgram(const std::string &program);

// Drops the connection; the server keeps running for its other clients.
void disconnect();

bool connected();

// Connects when there is no connection: checks the runtime folder, connects to the
// socket, and when nobody answers starts the server and polls for it every 1/50 s for at
// most about 3 s. Returns 0 or an errno value.
int connect();

// Sends one framed request and reads the reply into `reply`, with a descriptor that came
// along in *receivedFd (else -1). On any failure the connection is dropped (its handles
// die with it) and an errno value returned; nothing blocks once the server is gone.
int exchange(const std::vector<uint8_t> &request, std::vector<uint8_t> &reply, int *receivedFd);

} // namespace engine::client

#endif
