#include "runtime/windows/StderrPlayLog.h"

#include "runtime/windows/StandardStream.h"

#include <string>

StderrPlayLog::StderrPlayLog(Ticker& clock, std::int64_t started) : clock_(clock), started_(started)
{}

void StderrPlayLog::line(const std::string& what)
{
    StandardStream::err(what + ": " + std::to_string(clock_.now() - started_) + " ms\n");
}

void StderrPlayLog::slideShown(int)
{
    line("first frame");
}

void StderrPlayLog::transitionFinished(int pass)
{
    line("transition " + std::to_string(pass));
}

void StderrPlayLog::stopped()
{
    line("stopped");
}
