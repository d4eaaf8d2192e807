#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The application folder of the build under test (kremoa-cli, Project.krt, scricon.ico).
struct AppFolder {
    static QString path(const QString& name)
    {
        const QString folder =
            qEnvironmentVariable("KREMOA_APP_DIR", QStringLiteral(KREMOA_TEST_APP_DIR));
        return folder + QLatin1Char('/') + name;
    }

    static QByteArray read(const QString& name)
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};
