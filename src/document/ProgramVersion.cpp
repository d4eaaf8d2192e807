#include "ProgramVersion.h"

int ProgramVersion::major()
{
    return KREMOA_VERSION_MAJOR;
}

int ProgramVersion::minor()
{
    return KREMOA_VERSION_MINOR;
}

QString ProgramVersion::text()
{
    return QString::number(major()) + QLatin1Char('.') +
           (QStringLiteral("00") + QString::number(minor())).right(2);
}

QString ProgramVersion::line(const QString& program)
{
    return program + QStringLiteral(" (クレモア) ") + text();
}
