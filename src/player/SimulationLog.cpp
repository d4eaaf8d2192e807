#include "player/SimulationLog.h"

#include "document/JsonText.h"

namespace {

QByteArray jsonString(const std::string& text)
{
    return QByteArray::fromStdString(JsonText::quoted(text));
}

QByteArray number(qint64 value)
{
    return QByteArray::number(value);
}

}  // namespace

SimulationLog::SimulationLog(Ticker& clock, LineWriter writeLine)
    : clock_(clock), writeLine_(std::move(writeLine))
{}

void SimulationLog::slideShown(int slide)
{
    write("show", ",\"slide\":" + number(slide));
}

void SimulationLog::transitionStarting(int from, int to, int effect, int speed)
{
    write("transition", ",\"from\":" + number(from) + ",\"to\":" + number(to) +
                            ",\"effect\":" + number(effect) + ",\"speed\":" + number(speed));
}

void SimulationLog::stopped()
{
    write("stop");
}

void SimulationLog::mciCommand(const std::string& command)
{
    write("mci", ",\"cmd\":" + jsonString(command));
}

void SimulationLog::soundStarted(const std::string& key)
{
    write("sound", ",\"path\":" + jsonString(key));
}

void SimulationLog::soundsPurged()
{
    write("purge");
}

void SimulationLog::write(const char* event, const QByteArray& fields)
{
    writeLine_("{\"t\":" + number(clock_.now()) + ",\"ev\":\"" + event + '"' + fields + '}');
}
