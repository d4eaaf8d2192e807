#pragma once

#include "document/SlideItem.h"

#include <QImage>
#include <QString>
#include <QtGlobal>

// Where the player takes a show from: the editor's show (files on disk) or a saver package.
// Sound and music are named by keys that the Audio in use understands (file paths, or the
// package's names with a resolver that answers from the package).
class ShowSource {
public:
    virtual ~ShowSource() = default;

    virtual int slideCount() const = 0;
    // The settings of slide i (its image and sound data fields are not used).
    virtual const SlideItem& slide(int index) const = 0;
    // Slide i's picture in Format_RGB32, or a null image when it cannot be decoded.
    virtual QImage image(int index) const = 0;
    // Whether slide i's sound can be played now (asked each time it is due), and its key.
    virtual bool soundExists(int index) const = 0;
    virtual QString soundKey(int index) const = 0;
    // Empty when the show has no music.
    virtual QString bgmKey() const = 0;

    virtual int canvasWidth() const = 0;
    virtual int canvasHeight() const = 0;
    virtual quint32 backColor() const = 0;  // 0x00BBGGRR
};
