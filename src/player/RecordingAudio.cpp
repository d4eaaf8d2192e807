#include "player/RecordingAudio.h"

#include <QFileInfo>
#include <QRegularExpression>

RecordingAudio::RecordingAudio(Ticker& clock, ShowObserver& observer, std::optional<qint64> musicMs)
    : clock_(clock), observer_(observer), musicMs_(musicMs)
{}

QString RecordingAudio::sendCommand(const QString& command)
{
    observer_.mciCommand(command);
    static const QRegularExpression openCommand(QStringLiteral("^open \"(.*)\" alias bgm$"));
    if (const auto match = openCommand.match(command); match.hasMatch()) {
        open_ = QFileInfo(match.captured(1)).isFile();
        playing_ = false;
        return QString();
    }
    if (!open_) {
        return QString();
    }
    if (command == QLatin1String("play bgm")) {
        playing_ = true;
        playedAt_ = clock_.now();
    } else if (command == QLatin1String("seek bgm to start")) {
        playing_ = false;
    } else if (command == QLatin1String("close bgm")) {
        open_ = false;
        playing_ = false;
    } else if (command == QLatin1String("status bgm mode")) {
        return musicEnded() ? kStoppedMode : kPlayingMode;
    }
    return QString();
}

void RecordingAudio::playSound(const QString& path)
{
    observer_.soundStarted(path);
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
