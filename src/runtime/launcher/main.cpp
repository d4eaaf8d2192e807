// kremoa-runtime: the screen-saver program. Copied as Project.krt into the application folder,
// it becomes each built saver, which is this file followed by the show's package.
//
// This part links only the C and C++ libraries, so it starts in a moment: it handles the stop
// signals before anything else, then loads the core (Qt, SDL, the player) from its own bytes.
// A stop that comes while Qt is being loaded is therefore kept, never fatal.
#include "platform/StopSignals.h"
#include "runtime/RuntimeAssets.h"
#include "runtime/RuntimeEntry.h"
#include "runtime/launcher/EmbeddedCore.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kCannotStart = 2;

}  // namespace

int main(int argc, char** argv)
{
    StopSignals::install();
    StopSignals::armWatchdog(StopSignals::kGrace);
    std::string error;
    const RuntimeEntry entry = EmbeddedCore::load(error);
    if (StopSignals::asked()) {
        return 0;
    }
    if (entry == nullptr) {
        std::fprintf(stderr, "起動できません: %s\n", error.c_str());
        return kCannotStart;
    }
    const RuntimeStart start{StopSignals::handle(), RuntimeAssets::saverIcon,
                             RuntimeAssets::saverIconSize};
    return entry(argc, argv, &start);
}
