// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long programs take from their start to their first window on the screen.
// It watches an X display (a private Xvfb the bench starts) and runs the programs one after
// the other, each run alone on the display. A run is timed from just before the program is
// started to the first time the program draws into a window that is mapped: the moment the
// window is on the screen with something in it. The programs are alternated run after run,
// so that whatever else the machine is doing weighs on all of them alike.
//
//   startup_probe RUNS PROGRAM [PROGRAM...]
//
// Prints each run, then one "RESULT startup_ms_<n> median" line per program (n from 1).
#include "Measure.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>

extern char** environ;

namespace {

constexpr int WarmUpRuns = 2; // not counted: they fill the file and font caches
constexpr int TimeoutMilliseconds = 20000;

struct Display
{
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    std::uint8_t damageEvent = 0; // first event code of the damage extension
};

bool connect(Display& display)
{
    // A display just started may not take connections yet: a few tries, a tenth of a second apart.
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (display.connection) {
            xcb_disconnect(display.connection);
            usleep(100000);
        }
        display.connection = xcb_connect(nullptr, nullptr);
        if (!xcb_connection_has_error(display.connection)) {
            break;
        }
    }
    if (xcb_connection_has_error(display.connection)) {
        std::fprintf(stderr, "startup_probe: cannot open the display %s\n", std::getenv("DISPLAY"));
        return false;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(display.connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "startup_probe: the display has no DAMAGE extension\n");
        return false;
    }
    display.damageEvent = damage->first_event;
    std::free(xcb_damage_query_version_reply(display.connection,
        xcb_damage_query_version(display.connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));

    display.root = xcb_setup_roots_iterator(xcb_get_setup(display.connection)).data->root;
    // Top-level windows are children of the root: their creation and mapping are reported.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(display.connection, display.root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(display.connection);
    return true;
}

// The milliseconds between two instants.
double millisecondsBetween(Measure::Clock::time_point from, Measure::Clock::time_point to)
{
    return Measure::secondsBetween(from, to) * 1000.0;
}

struct RunTimes
{
    double mapped = -1; // first window mapped
    double painted = -1; // first drawing into a mapped window
};

// Waits for events until the run's first paint, the program's end or the timeout.
RunTimes watch(Display& display, pid_t child, Measure::Clock::time_point start)
{
    RunTimes times;
    std::set<xcb_window_t> mapped;
    pollfd watched{xcb_get_file_descriptor(display.connection), POLLIN, 0};
    while (times.painted < 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(display.connection)) {
            const auto now = Measure::Clock::now();
            const std::uint8_t type = event->response_type & 0x7F;
            if (type == XCB_CREATE_NOTIFY) {
                // Every new top-level window is watched for drawing from the start.
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                const xcb_damage_damage_t damage = xcb_generate_id(display.connection);
                xcb_damage_create(
                    display.connection, damage, created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(display.connection);
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                mapped.insert(map->window);
                if (times.mapped < 0) {
                    times.mapped = millisecondsBetween(start, now);
                }
            } else if (type == display.damageEvent + XCB_DAMAGE_NOTIFY) {
                const auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                if (mapped.count(damage->drawable) > 0 && times.painted < 0) {
                    times.painted = millisecondsBetween(start, now);
                }
            }
            std::free(event);
        }
        if (times.painted >= 0) {
            break;
        }
        if (xcb_connection_has_error(display.connection)) {
            std::fprintf(stderr, "startup_probe: lost the display\n");
            break;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "startup_probe: the program ended before showing a window\n");
            break;
        }
        if (millisecondsBetween(start, Measure::Clock::now()) > TimeoutMilliseconds) {
            std::fprintf(stderr, "startup_probe: no window after %d ms\n", TimeoutMilliseconds);
            break;
        }
        poll(&watched, 1, 50);
    }
    return times;
}

// Ends the program and waits until the display has let go of its windows.
void stop(Display& display, pid_t child)
{
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    // A round trip: every event the program caused is in by its answer.
    std::free(
        xcb_get_input_focus_reply(display.connection, xcb_get_input_focus(display.connection), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(display.connection)) {
        std::free(event);
    }
}

pid_t launch(const std::string& program)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> arguments{const_cast<char*>(program.c_str()), nullptr};
    pid_t child = -1;
    const int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        std::fprintf(stderr, "startup_probe: cannot start %s: %s\n", program.c_str(), std::strerror(failed));
        return -1;
    }
    return child;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe RUNS PROGRAM [PROGRAM...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<std::string> programs(argv + 2, argv + argc);
    // The programs are to draw on this display, whatever the caller's own setting.
    unsetenv("QT_QPA_PLATFORM");

    Display display;
    if (!connect(display)) {
        return 1;
    }

    std::vector<std::vector<double>> painted(programs.size());
    std::vector<std::vector<double>> mapped(programs.size());
    for (int run = 0; run < WarmUpRuns + runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const auto start = Measure::Clock::now();
            const pid_t child = launch(programs[p]);
            if (child < 0) {
                return 1;
            }
            const RunTimes times = watch(display, child, start);
            stop(display, child);
            if (times.painted < 0) {
                return 1;
            }
            if (run >= WarmUpRuns) {
                painted[p].push_back(times.painted);
                mapped[p].push_back(times.mapped);
            }
        }
    }

    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::printf("%s: %d runs, first paint of a mapped window after (ms): %s\n", programs[p].c_str(), runs,
            Measure::join(painted[p], "%.1f").c_str());
        std::printf("  median %.1f ms to the first paint, %.1f ms to the first window mapped\n",
            Measure::median(painted[p]), Measure::median(mapped[p]));
        const std::string name = "startup_ms_" + std::to_string(p + 1);
        Measure::result(name.c_str(), Measure::median(painted[p]), "ms");
    }
    return 0;
}
