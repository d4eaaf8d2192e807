#pragma once

#include <functional>

// Runs the editor's picture decoding away from the user-interface thread. Jobs deliver their
// results themselves; a runner only decides where and when they run.
class DecodeRunner {
public:
    // Larger runs first among the jobs waiting.
    enum Priority { kThumbnail = 0, kCanvas = 1, kWhole = 2 };

    virtual ~DecodeRunner() = default;
    // Runs `job` once, later, on any thread.
    virtual void start(std::function<void()> job, Priority priority) = 0;
    // Drops the jobs not started yet and waits until the running ones have ended.
    virtual void stop() = 0;
};
