// The server's main loop: one thread, poll over the listening socket and every client,
// one request at a time (the engine is not thread-safe).
#ifndef ENGINE_SERVER_LOOP_H
#define ENGINE_SERVER_LOOP_H

#include "instance.h"

#include <csignal>

namespace engine::server {

// Serves until no client has been connected for `idleMs` or *stop becomes set (signals
// are only taken while waiting, under `waitMask`). On the way out it stops listening and
// closes every connection, releasing what each still held. Returns 0 or an errno value.
int serve(Instance &instance, int idleMs, const volatile sig_atomic_t *stop, const sigset_t *waitMask);

} // namespace engine::server

#endif
