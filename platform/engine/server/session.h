// What the server keeps per client connection.
#ifndef ENGINE_SERVER_SESSION_H
#define ENGINE_SERVER_SESSION_H

#include "handles.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace engine::server {

struct Session {
    int fd = -1;
    bool greeted = false; // the hello exchange succeeded; calls are accepted from then on
    HandleTable handles;
    // The engine's last error as this client sees it: set by FPDF_SetLastError and by every
    // document load (the library's own value is shared by all clients, so it is captured
    // right after the load that produced it).
    unsigned long lastError = 0;
    std::vector<uint8_t> input; // bytes received, possibly a partial message
    size_t have = 0;
};

} // namespace engine::server

#endif
