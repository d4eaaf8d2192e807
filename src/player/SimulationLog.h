#pragma once

#include "effects/Ticker.h"
#include "player/ShowObserver.h"

#include <QByteArray>

#include <functional>

// Writes what a show does as one compact JSON object per line, stamped with the clock's time
// and keys in a fixed order, e.g.
//   {"t":0,"ev":"mci","cmd":"open \"/p/m.mid\" alias bgm"}
//   {"t":0,"ev":"show","slide":0}
//   {"t":1001,"ev":"sound","path":"/p/s.wav"}
//   {"t":1001,"ev":"transition","from":0,"to":1,"effect":5,"speed":2}
//   {"t":1300,"ev":"purge"}
//   {"t":1300,"ev":"stop"}
class SimulationLog : public ShowObserver {
public:
    using LineWriter = std::function<void(const QByteArray& line)>;

    SimulationLog(Ticker& clock, LineWriter writeLine);

    void slideShown(int slide) override;
    void transitionStarting(int from, int to, int effect, int speed) override;
    void stopped() override;
    void mciCommand(const std::string& command) override;
    void soundStarted(const std::string& key) override;
    void soundsPurged() override;

private:
    // `fields` continues the object after the event name: ,"key":value...
    void write(const char* event, const QByteArray& fields = {});

    Ticker& clock_;
    LineWriter writeLine_;
};
