#pragma once

#include "document/EditableShow.h"
#include "effects/ProgramState.h"
#include "platform/StopSignals.h"

// The editor's preview: plays the show as it is held right now, full-screen, with its music
// and sound effects, until a key, a mouse button or a mouse move stops it.
class Preview {
public:
    static constexpr int kShown = 0;
    static constexpr int kNothingToShow = 1;

    // Returns after the stop, with the player window gone and the cursor shown again; returns
    // kNothingToShow at once for a show without slides. A stop signal, when `stop` is given,
    // ends the preview as input does.
    static int run(const EditableShow& show, ProgramState& state,
                   const StopSignals::Handle* stop = nullptr);
};
