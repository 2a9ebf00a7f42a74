// Making sure one server runs per runtime folder: the lock, the listening socket and the
// pid file, and giving them up again on exit.
#ifndef ENGINE_SERVER_INSTANCE_H
#define ENGINE_SERVER_INSTANCE_H

#include <string>

namespace engine::server {

struct Instance {
    std::string socketPath;
    std::string pidPath;
    int lockFd = -1;
    int listenFd = -1;
};

// Takes the folder's lock and starts listening on its socket. When another server holds
// the lock, waits until either that server answers on the socket (returns EEXIST: this
// one is not needed) or gives the lock up (it was exiting; this one takes over), for at
// most `waitMs`. Returns 0 or an errno value.
int claimInstance(const std::string &dir, int waitMs, Instance *out);

// Stops accepting: removes the socket so that new clients start a fresh server, and
// closes it (clients still queued in its backlog see the connection end and retry).
void stopListening(Instance &instance);

// Removes the pid file and releases the lock; call last.
void retireInstance(Instance &instance);

} // namespace engine::server

#endif
