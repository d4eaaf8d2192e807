#include "editor/ThreadPoolDecodeRunner.h"

#include <QThread>

#include <algorithm>

ThreadPoolDecodeRunner::ThreadPoolDecodeRunner()
{
    pool_.setMaxThreadCount(std::clamp(QThread::idealThreadCount() - 1, 1, kMaxThreads));
}

ThreadPoolDecodeRunner::~ThreadPoolDecodeRunner()
{
    stop();
}

void ThreadPoolDecodeRunner::start(std::function<void()> job, Priority priority)
{
    pool_.start(std::move(job), priority);
}

void ThreadPoolDecodeRunner::stop()
{
    pool_.clear();
    pool_.waitForDone();
}
