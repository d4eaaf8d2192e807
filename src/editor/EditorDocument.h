#pragma once

#include "document/ShowDocument.h"

#include <QStringList>

// The show as the editor holds it: the record with its slides, and the path list `List1`
// (entry i = image path of slide i; its current index is the current slide, -1 when empty).
// The canvas size and colour live in the canvas picture, the BGM path in its box.
struct EditorDocument {
    ShowDocument record;
    QStringList List1;
    int ListIndex = -1;

    int count() const { return List1.size(); }
    SlideItem* selectedSlide()
    {
        return ListIndex >= 0 && ListIndex < record.Slides.size() ? &record.Slides[ListIndex]
                                                                  : nullptr;
    }
};
