#pragma once

#include "AppFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>

// A saver built with kremoa-cli from one picture that fills the canvas, for tests that run the
// saver itself.
struct BuiltSaver {
    static constexpr int kTimeoutMs = 30000;
    static constexpr int kLongDisplayTime = 600000;  // the picture stays while a test looks

    // Four quarters, red, green / blue, yellow: where each lands shows position and scale.
    static QImage quarters(QSize size)
    {
        QImage picture(size, QImage::Format_RGB32);
        QPainter painter(&picture);
        const int w = size.width() / 2;
        const int h = size.height() / 2;
        painter.fillRect(0, 0, w, h, Qt::red);
        painter.fillRect(w, 0, size.width() - w, h, Qt::green);
        painter.fillRect(0, h, w, size.height() - h, Qt::blue);
        painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::yellow);
        return picture;
    }

    // Builds folder/Quarters.scr with the picture as its only slide and `bgm` as its music;
    // empty on failure, with kremoa-cli's messages in `errors`.
    static QString make(const QString& folder, const QImage& picture, const QString& title,
                        QString* errors, const QString& bgm = {})
    {
        const QDir dir(folder);
        const QString image = dir.filePath(QStringLiteral("picture.bmp"));
        const QString show = dir.filePath(QStringLiteral("show.json"));
        const QString saver = dir.filePath(QStringLiteral("Quarters.scr"));
        if (!picture.save(image, "BMP")) {
            return {};
        }
        const QJsonArray slides{QJsonObject{{"image", image}, {"displayTime", kLongDisplayTime}}};
        const QJsonObject root{{"bgm", bgm},
                               {"canvasWidth", picture.width()},
                               {"canvasHeight", picture.height()},
                               {"slides", slides}};
        QFile json(show);
        if (!json.open(QIODevice::WriteOnly) || json.write(QJsonDocument(root).toJson()) < 0) {
            return {};
        }
        json.close();
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        cli.setProcessEnvironment(environment);
        cli.start(AppFolder::path(QStringLiteral("kremoa-cli")),
                  {QStringLiteral("build"), show, QStringLiteral("--out"), saver,
                   QStringLiteral("--description"), title, QStringLiteral("--overwrite")});
        const bool finished = cli.waitForFinished(kTimeoutMs);
        if (errors != nullptr) {
            *errors = QString::fromUtf8(cli.readAllStandardError());
        }
        return finished && cli.exitCode() == 0 ? saver : QString();
    }
};
