#pragma once

#include <QByteArray>
#include <QString>

// The background music as stored in a saver package; empty in the editor.
struct BgmFile {
    QString Name;  // "bgm.mid", "bgm.wav" or empty
    QByteArray Data;

    friend bool operator==(const BgmFile&, const BgmFile&) = default;
};
