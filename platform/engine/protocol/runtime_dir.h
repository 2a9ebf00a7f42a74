// The per-user runtime folder that holds the engine's socket, pid file and lock.
#ifndef ENGINE_PROTOCOL_RUNTIME_DIR_H
#define ENGINE_PROTOCOL_RUNTIME_DIR_H

#include <string>

namespace engine::protocol {

inline constexpr char kSocketName[] = "sorvane.kpl";
inline constexpr char kPidName[] = "sorvane.pid";
inline constexpr char kLockName[] = "sorvane.lock";

// The folder the environment names: $KS_RUNTIME_DIR when set, else $XDG_RUNTIME_DIR/kestrune,
// else /tmp/kestrune-<uid>.
std::string runtimeDirectory();

// Creates the folder (mode 0700) when it is missing, then checks what is there: a real
// directory (a symbolic link is refused), owned by this user, with no permission bits for
// group or others. Returns 0, or an errno value: EPERM for another owner, EACCES for a
// folder open to others, ENOTDIR or ELOOP for something that is not a plain directory.
int prepareRuntimeDirectory(const std::string &dir);

} // namespace engine::protocol

#endif
