#pragma once

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs the built kremoa-cli (from KREMOA_APP_DIR, else the folder compiled in) and collects
// what it printed.
class CliRunner {
public:
    struct Result {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;

        QString errText() const { return QString::fromUtf8(err); }
    };

    static constexpr int kTimeoutMs = 60000;

    static QString program()
    {
        const QString folder =
            qEnvironmentVariable("KREMOA_APP_DIR", QStringLiteral(KREMOA_TEST_APP_DIR));
        return QDir(folder).filePath(QStringLiteral("kremoa-cli"));
    }

    // A run that does not end within timeoutMs is killed and gives exit code -1.
    static Result run(
        const QStringList& args,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
        int timeoutMs = kTimeoutMs)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program(), args);
        Result result;
        if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.exitCode = process.exitCode();
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }
};
