#pragma once

#include "document/EditableShow.h"
#include "player/ShowSource.h"

// A show as the editor holds it: images and sounds are files named by full paths, decoded or
// tested each time they are needed, so the show plays what is on disk at that moment.
class EditableShowSource : public ShowSource {
public:
    explicit EditableShowSource(EditableShow show);

    int slideCount() const override;
    const SlideItem& slide(int index) const override;
    QImage image(int index) const override;
    bool soundExists(int index) const override;
    QString soundKey(int index) const override;
    QString bgmKey() const override;
    int canvasWidth() const override;
    int canvasHeight() const override;
    quint32 backColor() const override;

private:
    EditableShow show_;
};
