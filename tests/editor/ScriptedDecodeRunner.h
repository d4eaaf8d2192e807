#pragma once

#include "editor/DecodeRunner.h"

#include <deque>
#include <functional>
#include <utility>

// Runs decoding jobs on the test's own thread: at once when `immediate`, otherwise only when the
// test says so, in the order the runner would pick them (higher priority first).
class ScriptedDecodeRunner : public DecodeRunner {
public:
    explicit ScriptedDecodeRunner(bool immediate) : immediate_(immediate) {}

    void start(std::function<void()> job, Priority priority) override
    {
        if (immediate_) {
            job();
            return;
        }
        auto place = jobs_.begin();
        while (place != jobs_.end() && place->second >= priority) {
            ++place;
        }
        jobs_.insert(place, {std::move(job), priority});
    }
    void stop() override { jobs_.clear(); }

    int waiting() const { return static_cast<int>(jobs_.size()); }
    // Runs the next job; a job may start others, which wait their turn.
    void runNext()
    {
        std::function<void()> job = std::move(jobs_.front().first);
        jobs_.pop_front();
        job();
    }
    void runAll()
    {
        while (!jobs_.empty()) {
            runNext();
        }
    }
    void setImmediate(bool immediate) { immediate_ = immediate; }

private:
    bool immediate_;
    std::deque<std::pair<std::function<void()>, Priority>> jobs_;
};
