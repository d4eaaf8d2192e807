#pragma once

#include "support/XTestDisplay.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>

// Windows programs run under Wine on the test's X server, in the throwaway prefix that the
// WinePrefix fixture made in the build tree, inside a virtual desktop of kDesktop.
class WineSession {
public:
    struct Result {
        bool finished = false;
        int exitCode = -1;
        QByteArray out;
        QByteArray err;

        std::string printed() const { return (out + err).toStdString(); }
    };

    static constexpr int kTimeoutMs = 60000;
    static constexpr QSize kDesktop{KREMOA_WINE_DESKTOP_WIDTH, KREMOA_WINE_DESKTOP_HEIGHT};

    static QString wine() { return QStringLiteral(KREMOA_WINE); }
    static QString prefix() { return QStringLiteral(KREMOA_WINE_PREFIX); }
    static QString probe() { return QStringLiteral(KREMOA_WINDOWS_PROBE); }
    static QString windowsTemplate()
    {
        return QDir(qEnvironmentVariable("KREMOA_APP_DIR", QStringLiteral(KREMOA_TEST_APP_DIR)))
            .filePath(QStringLiteral("ProjectWin.krt"));
    }

    // What keeps the Windows tests from running, or empty when nothing does.
    static QString missing()
    {
        if (wine().isEmpty() || !QFileInfo(wine()).isExecutable()) {
            return QStringLiteral("wine64 is not installed");
        }
        if (!QFileInfo(prefix() + QStringLiteral("/system.reg")).isFile()) {
            return QStringLiteral(
                "no Wine prefix: run the tests through ctest (fixture WinePrefix)");
        }
        if (!QFileInfo(windowsTemplate()).isFile()) {
            return QStringLiteral("no ProjectWin.krt: configure with -DKREMOA_WINDOWS_RUNTIME=ON");
        }
        if (!QFileInfo(probe()).isFile()) {
            return QStringLiteral(
                "no kremoa-probe.exe: configure with -DKREMOA_WINDOWS_RUNTIME=ON");
        }
        return {};
    }

    // The path of a file of this system as Windows programs under Wine name it.
    static QString windowsPath(const QString& path)
    {
        return QStringLiteral("Z:") +
               QFileInfo(path).absoluteFilePath().replace(QLatin1Char('/'), QLatin1Char('\\'));
    }

    explicit WineSession(const QString& display) : display_(display) {}

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WINEPREFIX"), prefix());
        environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        environment.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
        environment.insert(QStringLiteral("DISPLAY"), display_);
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        return environment;
    }

    // Starts `program` (a path of this system) with `arguments` under Wine.
    void start(QProcess& process, const QString& program, const QStringList& arguments) const
    {
        process.setProcessEnvironment(environment());
        process.start(wine(), QStringList{program} + arguments);
    }

    // Runs it to its end; one that does not end within timeoutMs is killed (finished false).
    Result run(const QString& program, const QStringList& arguments,
               int timeoutMs = kTimeoutMs) const
    {
        QProcess process;
        start(process, program, arguments);
        Result result;
        result.finished = process.waitForFinished(timeoutMs);
        if (!result.finished) {
            process.kill();
            process.waitForFinished();
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

private:
    QString display_;
};

// A test that runs Windows programs under Wine: skipped without Wine, the display, the Windows
// runtime or the probe, except in CI (CI=true), where that fails.
class WineTest : public XTestDisplay {
protected:
    void SetUp() override
    {
        XTestDisplay::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        const QString reason = WineSession::missing();
        if (!reason.isEmpty()) {
            if (qEnvironmentVariable("CI") == QLatin1String("true")) {
                FAIL() << reason.toStdString();
            }
            GTEST_SKIP() << reason.toStdString();
        }
    }

    WineSession wine() const { return WineSession(display); }
};
