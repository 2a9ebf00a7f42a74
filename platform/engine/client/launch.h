// Starting the engine server program, detached from the plugin's process.
#ifndef ENGINE_CLIENT_LAUNCH_H
#define ENGINE_CLIENT_LAUNCH_H

#include <string>

namespace engine::client {

// "sorvane.ext" in the directory of `pluginPath` (the current directory when the path has
// no directory part), made absolute so that a later change of directory does not matter.
std::string serverPathFor(const char *pluginPath);

// Starts the program in a session of its own with stdin, stdout and stderr on /dev/null
// and no other descriptors; it is not left as a child of this process. Returns 0, or an
// errno value (the program file cannot be opened for reading, or the start failed).
int startServer(const std::string &program);

} // namespace engine::client

#endif
