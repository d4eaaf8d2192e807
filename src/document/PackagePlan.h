#pragma once

#include "document/EditableShow.h"
#include "document/Expected.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// What the saver package of a show will hold, worked out before anything is written: the
// sharing of image and sound files, the BGM name, every source file to copy and the exact
// package size. Only the file sizes are read here; the bytes are copied by PackageWriter.
struct PackagePlan {
    struct Source {
        QString path;  // empty when the block holds nothing or a single zero byte
        qint64 size = 0;
    };
    struct Slide {
        QString imageRef;  // "0", "1", ...
        QString soundKey;  // "3.wav" or empty
        Source image;      // the file to store, or empty path when shared (one zero byte)
        bool imageShared = false;
        Source sound;  // the file to store, or empty path
        bool soundShared = false;
        bool hasSound = false;
    };

    ShowDocument record;  // canvas fields, SoundSwitchable, SlideCount and settings filled
    QString bgmName;      // "bgm.mid", "bgm.wav" or empty
    Source bgm;           // empty path when the show has no BGM
    QList<Slide> slides;
    qint64 packageSize = 0;  // the value of PackageSize, all fields included

    // Checks the files in the builder's order (BGM, images, sounds) and stops at the first
    // that is missing, with the builder's message for it:
    //   "BGMに指定したファイルが見つかりません"
    //   "イメージファイル(" + path + ")が見つかりません"
    //   "効果音(" + path + ")が見つかりません"
    // Empty files, a show without slides, paths too long for a 16-bit length and a package
    // beyond the 32-bit size field are refused with a message in the same style.
    static Expected<PackagePlan> make(const EditableShow& show, qint16 soundSwitchable);

    // The refusal texts of make(), for the builder's message boxes and for tests.
    static QString missingBgmMessage();
    static QString missingImageMessage(const QString& path);
    static QString missingSoundMessage(const QString& path);
    static QString emptyBgmMessage();
    static QString emptyImageMessage(const QString& path);
    static QString emptySoundMessage(const QString& path);
    static QString longBgmPathMessage();
    static QString longImagePathMessage(const QString& path);
    static QString longSoundPathMessage(const QString& path);
    static QString noSlidesMessage();
    static QString tooManySlidesMessage();
    static QString tooLargeMessage();
};
