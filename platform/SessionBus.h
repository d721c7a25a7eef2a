#pragma once
// The desktop's session bus, checked before anything of the program uses it. A bus
// that takes connections but never answers (a stopped daemon) would hold each of
// its users for good: Qt's accessibility bridge would keep the window from ever
// showing, and the media library's screen-saver inhibitor would keep the picture
// from coming. Such a bus is replaced, for this process only, by an address that
// fails at once, as an unreachable bus does.

#include <chrono>
#include <string>

// Whether the bus at a D-Bus address list takes the connection but leaves the
// authentication greeting unanswered for `limit`. The entries are tried in order,
// as the D-Bus library does: one that refuses the connection is skipped, and the
// first that takes it, or that this check cannot try (another transport), decides.
bool SessionBusHangs(const std::string& address, std::chrono::milliseconds limit);

// Checks the bus this process would use and, when it never answers, points
// DBUS_SESSION_BUS_ADDRESS at nothing and says so on stderr. Call it before any
// other thread starts.
void GuardSessionBus();
