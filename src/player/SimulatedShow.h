#pragma once

#include "document/Expected.h"
#include "effects/ProgramState.h"
#include "effects/VirtualTicker.h"
#include "player/RecordingAudio.h"
#include "player/ShowSource.h"
#include "player/SimulationLog.h"

#include <QString>

#include <optional>

// How a simulated show runs and when it stops.
struct SimulationOptions {
    std::optional<int> transitions;        // stop once this many transitions have returned
    std::optional<std::int64_t> musicMs;   // length of the music; without it the music never ends
    std::optional<std::int64_t> stopAtMs;  // a key is pressed at this virtual time
    QString dumpFolder;  // when set, every pass writes NNNN-out.png and NNNN-in.png here
};

// The show loop on a virtual clock (starting at 0; drawing takes no time; every wait ends at
// its deadline + 1), with recording audio and offscreen surfaces. Everything the show does is
// written as JSON lines (SimulationLog).
class SimulatedShow : private ShowObserver {
public:
    SimulatedShow(const ShowSource& source, SimulationOptions options,
                  SimulationLog::LineWriter writeLine);

    // Needs a way to stop (transitions or stopAtMs); fails with a message when there is none
    // or when a frame cannot be written.
    Status run();

private:
    void slideShown(int slide) override;
    void framesComposed(int pass, const PixelImage& outgoing, const PixelImage& incoming) override;
    void transitionStarting(int from, int to, int effect, int speed) override;
    void transitionFinished(int pass) override;
    void stopped() override;
    void mciCommand(const std::string& command) override;
    void soundStarted(const std::string& key) override;
    void soundsPurged() override;

    bool writeFrame(const PixelImage& frame, int pass, const char* suffix);

    const ShowSource& source_;
    SimulationOptions options_;
    VirtualTicker ticker_;
    ProgramState state_;
    SimulationLog log_;
    RecordingAudio audio_;
    QString failure_;
};
