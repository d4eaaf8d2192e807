#pragma once

#include "document/PackageReader.h"
#include "document/SlideItem.h"
#include "player/Audio.h"
#include "player/ShowSource.h"
#include "runtime/SoundChoice.h"

#include <QList>

// A show taken from a saver package: pictures are decoded from the package's blocks when
// needed, music and sounds are named by the package's keys ("bgm.mid", "3.wav"), which
// resolver() turns into the blocks' bytes. The package's bytes must outlive this object.
class PackageShowSource : public ShowSource {
public:
    PackageShowSource(const PackageView& package, SoundChoice choice);

    int slideCount() const override;
    const SlideItem& slide(int index) const override;
    QImage image(int index) const override;
    bool soundExists(int index) const override;
    QString soundKey(int index) const override;
    QString bgmKey() const override;
    int canvasWidth() const override;
    int canvasHeight() const override;
    quint32 backColor() const override;

    // Bytes for a key named by this show, without copying them; nothing for any other key.
    Audio::Resolver resolver() const;

private:
    const PackageView& package_;
    SoundChoice choice_;
    QList<SlideItem> slides_;
};
