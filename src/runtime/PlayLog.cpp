#include "PlayLog.h"

#include <QTextStream>

#include <cstdio>

PlayLog::PlayLog(const QElapsedTimer* started) : started_(started) {}

void PlayLog::line(const QString& what)
{
    if (started_ != nullptr) {
        QTextStream(stderr) << what << ": " << started_->elapsed() << " ms\n";
    }
}

void PlayLog::slideShown(int)
{
    line(QStringLiteral("first frame"));
}

void PlayLog::transitionFinished(int pass)
{
    line(QStringLiteral("transition %1").arg(pass));
}

void PlayLog::stopped()
{
    line(QStringLiteral("stopped"));
}
