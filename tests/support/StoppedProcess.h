#pragma once

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <signal.h>
#include <sys/resource.h>

#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
#define KREMOA_TEST_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KREMOA_TEST_ADDRESS_SANITIZER 1
#endif
#endif

// Starts a program, sends it a stop signal at a chosen moment and sees how it ends: the tests
// of "a stop at any moment ends the program with status 0".
class StoppedProcess {
public:
    struct Ending {
        bool ended = false;       // within the bound
        bool normalExit = false;  // not killed by a signal
        int exitCode = -1;
        qint64 msFromSignal = -1;
        QByteArray errors;
    };

    static constexpr int kHandlersBoundMs = 10000;
    static constexpr int kEndBoundMs = 10000;

    StoppedProcess(const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& environment)
    {
        process_.setProgram(program);
        process_.setArguments(arguments);
        process_.setProcessEnvironment(environment);
    }

    ~StoppedProcess()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    // The child starts with the stop signals blocked (a starter may do that; the mask survives
    // exec), so a signal sent at once is pending until the program takes it.
    void startWithStopSignalsBlocked() { blockStopSignals_ = true; }
    // The child cannot map more than this many bytes. Not under AddressSanitizer, whose shadow
    // memory alone reserves terabytes of address space; the sizes of the show still bound it.
    void limitAddressSpace([[maybe_unused]] std::uint64_t bytes)
    {
#ifndef KREMOA_TEST_ADDRESS_SANITIZER
        addressSpaceLimit_ = bytes;
#endif
    }

    bool start()
    {
        const bool block = blockStopSignals_;
        const std::uint64_t limit = addressSpaceLimit_;
        process_.setChildProcessModifier([block, limit] {
            if (block) {
                sigset_t stops;
                sigemptyset(&stops);
                for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
                    sigaddset(&stops, signal);
                }
                sigprocmask(SIG_BLOCK, &stops, nullptr);
            }
            if (limit != 0) {
                const rlimit bound{limit, limit};
                setrlimit(RLIMIT_AS, &bound);
            }
        });
        process_.start();
        return process_.waitForStarted(kEndBoundMs);
    }

    // Whether the program has put in a handler for SIGTERM (its SigCgt mask in /proc), waiting
    // up to a bound for it.
    bool waitUntilStopIsHandled()
    {
        const QDeadlineTimer deadline(kHandlersBoundMs);
        while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
            if (catchesSigterm()) {
                return true;
            }
            QThread::usleep(200);
        }
        return false;
    }

    // Lets the program run for `ms` (its output is collected meanwhile).
    void runFor(int ms)
    {
        if (ms > 0) {
            process_.waitForFinished(ms);
        }
    }

    bool running() const
    {
        return process_.state() == QProcess::Running;
    }
    qint64 processId() const
    {
        return process_.processId();
    }
    QByteArray readErrors()
    {
        return errors_ += process_.readAllStandardError();
    }

    Ending stop(int signal, int boundMs = kEndBoundMs)
    {
        Ending ending;
        QElapsedTimer sinceSignal;
        if (process_.state() == QProcess::Running) {
            ::kill(pid_t(process_.processId()), signal);
            sinceSignal.start();
        }
        ending.ended =
            process_.state() == QProcess::NotRunning || process_.waitForFinished(boundMs);
        if (sinceSignal.isValid()) {
            ending.msFromSignal = sinceSignal.elapsed();
        }
        if (!ending.ended) {
            process_.kill();
            process_.waitForFinished();
        }
        ending.normalExit = process_.exitStatus() == QProcess::NormalExit;
        ending.exitCode = process_.exitCode();
        ending.errors = readErrors();
        return ending;
    }

private:
    bool catchesSigterm() const
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(process_.processId()));
        if (!status.open(QIODevice::ReadOnly)) {
            return false;
        }
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("SigCgt:")) {
                bool ok = false;
                const quint64 mask = line.mid(7).trimmed().toULongLong(&ok, 16);
                return ok && (mask & (quint64(1) << (SIGTERM - 1))) != 0;
            }
        }
        return false;
    }

    QProcess process_;
    QByteArray errors_;
    bool blockStopSignals_ = false;
    std::uint64_t addressSpaceLimit_ = 0;
};
