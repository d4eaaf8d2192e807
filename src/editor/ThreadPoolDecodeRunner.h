#pragma once

#include "editor/DecodeRunner.h"

#include <QThreadPool>

// Decodes on a small pool of its own: one processor is left to the user-interface thread.
class ThreadPoolDecodeRunner : public DecodeRunner {
public:
    static constexpr int kMaxThreads = 4;

    ThreadPoolDecodeRunner();
    ~ThreadPoolDecodeRunner() override;

    void start(std::function<void()> job, Priority priority) override;
    void stop() override;

private:
    QThreadPool pool_;
};
