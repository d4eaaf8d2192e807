#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Catches what the help command hands to the system's viewer instead of starting one.
class ViewerSpy : public QObject {
    Q_OBJECT
public:
    ViewerSpy() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~ViewerSpy() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};
