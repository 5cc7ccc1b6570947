// zr2chat --irc: the console's routing on a real IRC network.
#pragma once
#include "Console.h"
#include "IrcSession.h"

namespace zr2chat::irc {

// Stays connected (reconnecting with backoff) until SIGINT or SIGTERM, then quits cleanly.
// Returns the process exit status.
int RunBot(const Options& options, const Library& library);

}  // namespace zr2chat::irc
