// Turns one call message into a reply: finds the operation by name in the signature
// table, decodes its fields by the row, checks every handle, runs the handler and encodes
// the result and the outputs.
#ifndef ENGINE_SERVER_DISPATCH_H
#define ENGINE_SERVER_DISPATCH_H

#include "call.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace engine::server {

// `body` holds the operation name (nameLength bytes) and the fields. The reply is written
// to `reply`; a descriptor to send with it is left in call.passFd (else -1).
void dispatchCall(Session &session, const uint8_t *body, size_t size, size_t nameLength, Call &call,
                  std::vector<uint8_t> &reply);

} // namespace engine::server

#endif
