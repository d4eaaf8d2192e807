#include "player/RecordingAudio.h"

#include <QFileInfo>
#include <QRegularExpression>

RecordingAudio::RecordingAudio(Ticker& clock, ShowObserver& observer,
                               std::optional<std::int64_t> musicMs)
    : clock_(clock), observer_(observer), musicMs_(musicMs)
{}

std::string RecordingAudio::sendCommand(const std::string& command)
{
    observer_.mciCommand(command);
    static const QRegularExpression openCommand(QStringLiteral("^open \"(.*)\" alias bgm$"));
    if (const auto match = openCommand.match(QString::fromStdString(command)); match.hasMatch()) {
        open_ = QFileInfo(match.captured(1)).isFile();
        playing_ = false;
        return {};
    }
    if (!open_) {
        return {};
    }
    if (command == "play bgm") {
        playing_ = true;
        playedAt_ = clock_.now();
    } else if (command == "seek bgm to start") {
        playing_ = false;
    } else if (command == "close bgm") {
        open_ = false;
        playing_ = false;
    } else if (command == "status bgm mode") {
        return musicEnded() ? kStoppedMode : kPlayingMode;
    }
    return {};
}

void RecordingAudio::playSound(const std::string& key)
{
    observer_.soundStarted(key);
}

void RecordingAudio::purgeSounds()
{
    observer_.soundsPurged();
}

bool RecordingAudio::musicEnded()
{
    if (!playing_) {
        return true;
    }
    return musicMs_ && clock_.now() - playedAt_ >= *musicMs_;
}
