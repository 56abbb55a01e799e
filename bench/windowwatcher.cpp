// Starts a program and prints how many milliseconds passed from just before
// its start to the moment its first top-level window was mapped on the X
// server, then ends it. Watching the server from outside keeps the program
// under test free of any timing code of its own.
//
// Usage: window_watcher [--keep] PROGRAM [ARGUMENTS...]
//   --keep  leave the program running and print its process id after the time
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

extern char** environ;

namespace {

constexpr int kGiveUpMs = 30000;

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void endChild(pid_t child) {
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    bool keep = false;
    if (first < argc && std::strcmp(argv[first], "--keep") == 0) {
        keep = true;
        ++first;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: window_watcher [--keep] PROGRAM [ARGUMENTS...]\n");
        return 2;
    }

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "window_watcher: cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip makes sure the server watches before the program starts.
    free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    // The program's own output goes to standard error, so that standard output
    // carries only the measurement.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    std::vector<char*> arguments(argv + first, argv + argc);
    arguments.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[first], &actions, nullptr, arguments.data(), environ) != 0) {
        std::fprintf(stderr, "window_watcher: cannot start %s\n", argv[first]);
        return 1;
    }
    posix_spawn_file_actions_destroy(&actions);

    pollfd server{xcb_get_file_descriptor(x), POLLIN, 0};
    while (millisecondsSince(start) < kGiveUpMs) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const bool mapped =
                (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                reinterpret_cast<xcb_map_notify_event_t*>(event)->event == root &&
                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
            free(event);
            if (!mapped) continue;
            const double elapsed = millisecondsSince(start);
            if (keep) {
                std::printf("%.2f %d\n", elapsed, static_cast<int>(child));
            } else {
                std::printf("%.2f\n", elapsed);
                endChild(child);
            }
            xcb_disconnect(x);
            return 0;
        }
        if (xcb_connection_has_error(x)) break;
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "window_watcher: %s ended before showing a window\n", argv[first]);
            xcb_disconnect(x);
            return 1;
        }
        poll(&server, 1, 50);
    }
    std::fprintf(stderr, "window_watcher: no window from %s\n", argv[first]);
    endChild(child);
    xcb_disconnect(x);
    return 1;
}
