// SPDX-License-Identifier: GPL-3.0-or-later
// Watches a program start on an X display of its own, from outside: the time from its exec to
// its first window shown on the screen and painted. The watcher starts the program, follows the
// windows created on the screen (X Damage tells it of every drawing into them) and, once the
// program's window has been mapped and drawn, waits until nothing more is drawn for a while:
// the start-up picture is then on the screen. It prints, in milliseconds from the exec:
//
//   mapped <ms> first-paint <ms> painted <ms>
//
// "painted" is the last drawing before the quiet time. The program is then ended by SIGTERM, or
// by SIGINT with --interrupt, sent to its whole process group: a profiler started as the
// program ("perf stat", "perf record") writes its figures once the program it runs has ended.
//
//   perf_startup_watch [--quiet ms] [--timeout ms] [--interrupt] -- program [arguments...]
//
// Use it on a display that shows nothing else (perf/startup.sh starts an Xvfb for it): any
// window of at least 100 x 100 pixels mapped on the screen is taken for the program's.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// Windows go away while they are watched; their errors mean nothing here.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

struct Options {
    double quietMs = 400;
    double timeoutMs = 20000;
    int stopSignal = SIGTERM;
    char** command = nullptr;
};

bool parse(int argc, char** argv, Options& o) {
    for (int k = 1; k < argc; ++k) {
        const std::string a = argv[k];
        if (a == "--" && k + 1 < argc) {
            o.command = argv + k + 1;
            return true;
        }
        if (a == "--interrupt") {
            o.stopSignal = SIGINT;
            continue;
        }
        if ((a == "--quiet" || a == "--timeout") && k + 1 < argc) {
            (a == "--quiet" ? o.quietMs : o.timeoutMs) = std::atof(argv[++k]);
            continue;
        }
        return false;
    }
    return false;
}

bool largeEnough(Display* dpy, Window w) {
    XWindowAttributes a{};
    return XGetWindowAttributes(dpy, w, &a) && a.width >= 100 && a.height >= 100;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(
            stderr,
            "usage: %s [--quiet ms] [--timeout ms] [--interrupt] -- program [arguments...]\n",
            argv[0]);
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "no X display (DISPLAY)\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no Damage extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0); // the program and what it starts are ended together
        execvp(o.command[0], o.command);
        std::perror(o.command[0]);
        _exit(127);
    }

    std::set<Window> shown; // the program's mapped windows
    double mapped = -1, firstPaint = -1, lastPaint = -1;
    bool exited = false;
    while (true) {
        while (XPending(dpy) > 0) {
            XEvent e;
            XNextEvent(dpy, &e);
            const double t = nowMs() - start;
            if (e.type == CreateNotify) {
                // Every drawing into the window is told from now on, before it is even mapped.
                XDamageCreate(dpy, e.xcreatewindow.window, XDamageReportRawRectangles);
            } else if (e.type == MapNotify && largeEnough(dpy, e.xmap.window)) {
                shown.insert(e.xmap.window);
                if (mapped < 0) mapped = t;
            } else if (e.type == damageEvent + XDamageNotify) {
                const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
                if (shown.count(d.drawable) != 0) {
                    if (firstPaint < 0) firstPaint = t;
                    lastPaint = t;
                }
            }
        }
        const double t = nowMs() - start;
        if (lastPaint >= 0 && t - lastPaint >= o.quietMs) break;
        if (t >= o.timeoutMs) break;
        if (!exited && waitpid(child, nullptr, WNOHANG) == child) exited = true;
        if (exited) break;
        pollfd p{ConnectionNumber(dpy), POLLIN, 0};
        poll(&p, 1, 5);
    }
    if (!exited) {
        kill(-child, o.stopSignal);
        waitpid(child, nullptr, 0);
    }
    XCloseDisplay(dpy);
    if (lastPaint < 0) {
        std::fprintf(stderr, "no window was shown and painted\n");
        return 1;
    }
    std::printf("mapped %.1f first-paint %.1f painted %.1f\n", mapped, firstPaint, lastPaint);
    return 0;
}
