// SIGINT and SIGTERM while the Firebird client is loaded. The client catches
// both itself and, left alone, shuts every attachment down and lets the
// program run on without them. Instead its shutdown is refused and the
// program's own ending is queued on the application's thread.
#pragma once

#include <functional>

// Installs the client's shutdown callback; `endProgram` runs on the
// application's thread, from its event loop, after such a signal.
void endProgramOnTerminationSignal(std::function<void()> endProgram);
