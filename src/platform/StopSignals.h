#pragma once

#include <atomic>
#include <chrono>
#include <csignal>

// Stops asked of the program from outside: SIGTERM, SIGINT and SIGHUP. The handlers only set a
// flag and make an event descriptor readable; neither is ever cleared, so a stop asked at any
// moment stays asked, whatever the program was doing. Uses nothing but the C library, so the
// saver's launcher can install it before any other library is loaded.
class StopSignals {
public:
    // What code loaded later (the saver's core library) needs to follow the stop: the flag, and
    // a descriptor that becomes readable at the first stop and stays readable (never read it).
    struct Handle {
        const std::atomic<bool>* asked = nullptr;
        int descriptor = -1;
    };

    // How long a stopped program that holds no user data (a saver, a preview from the command
    // line) may take to end by itself before the watchdog ends it. Short: returning the memory
    // of a large show to the system takes a few hundred milliseconds more, and the whole stop
    // must stay within half a second.
    static constexpr std::chrono::milliseconds kGrace{100};

    // Installs the handlers and unblocks the signals, once per process; later calls change
    // nothing. False when the descriptor cannot be made (the flag still works then).
    static bool install();
    static bool asked();
    static Handle handle();

    // From the first stop on, ends the process with status 0 if it is still running `grace`
    // later: the last resort of a program that holds no user data and must not outlive a stop.
    static void armWatchdog(std::chrono::milliseconds grace);

    // Holds the stop signals back in the calling thread while it lives, so that a system call
    // they would interrupt and that is not retried (connecting to the X server) completes; a stop
    // asked meanwhile is taken as the scope ends. Threads started inside keep them blocked,
    // which leaves the stops to the threads that follow them.
    class Deferral {
    public:
        Deferral();
        ~Deferral();
        Deferral(const Deferral&) = delete;
        Deferral& operator=(const Deferral&) = delete;

    private:
        sigset_t previous_;
    };
};
