#pragma once

#include <string>

// The parts of the environment that decide which window system the program
// asks Qt for. An empty string stands for a variable that is not set.
struct SessionEnvironment {
    std::string qtQpaPlatform;   // QT_QPA_PLATFORM
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string sessionType;     // XDG_SESSION_TYPE
    std::string display;         // DISPLAY

    static SessionEnvironment fromProcess();
};

// The value to give QT_QPA_PLATFORM before the application starts, or an empty
// string to leave Qt's own choice. The screens place themselves on the desktop
// and the Jotter keeps above the activity, which a Wayland compositor allows
// no client to do; so in a Wayland session the program goes through XWayland
// when there is one, and otherwise runs on Wayland itself. A platform the user
// chose always stands.
std::string qpaPlatformFor(const SessionEnvironment& env);
