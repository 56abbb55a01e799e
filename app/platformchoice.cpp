#include "app/platformchoice.h"

#include <cstdlib>

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

}  // namespace

SessionEnvironment SessionEnvironment::fromProcess() {
    return {variable("QT_QPA_PLATFORM"), variable("WAYLAND_DISPLAY"), variable("XDG_SESSION_TYPE"),
            variable("DISPLAY")};
}

std::string qpaPlatformFor(const SessionEnvironment& env) {
    if (!env.qtQpaPlatform.empty()) return {};
    const bool wayland = !env.waylandDisplay.empty() || env.sessionType == "wayland";
    if (!wayland) return {};
    // Should XWayland refuse the connection, Qt tries Wayland itself next.
    if (!env.display.empty()) return "xcb;wayland";
    return "wayland";
}
