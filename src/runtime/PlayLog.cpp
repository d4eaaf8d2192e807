#include "runtime/PlayLog.h"

#include <cstdio>
#include <utility>

PlayLog::PlayLog(Elapsed elapsed, LineWriter writeLine)
    : elapsed_(std::move(elapsed)), writeLine_(std::move(writeLine))
{}

void PlayLog::line(const std::string& what)
{
    if (!elapsed_) {
        return;
    }
    const std::string text = what + ": " + std::to_string(elapsed_()) + " ms\n";
    if (writeLine_) {
        writeLine_(text);
    } else {
        std::fputs(text.c_str(), stderr);
    }
}

void PlayLog::slideShown(int)
{
    line("first frame");
}

void PlayLog::transitionFinished(int pass)
{
    line("transition " + std::to_string(pass));
}

void PlayLog::stopped()
{
    line("stopped");
}
