// Closing a game's window from outside, the way its close button does: through the X
// server, without the keyboard, so tests running side by side cannot steal the keys.
#pragma once

#include <sys/types.h>

// Sends the close request to every window of process pid. False when it has none yet.
bool askwindowtoclose(pid_t pid);
