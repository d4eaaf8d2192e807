#pragma once

#include "document/EditableShow.h"
#include "document/Expected.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// A show as JSON, the form kremoa-cli prints and takes:
//   {"bgm": "", "backColor": 0, "canvasWidth": 320, "canvasHeight": 240,
//    "slides": [{"image": "/p/a.bmp", "displayTime": 1000, "posX": 0, "posY": 0,
//                "effect": 0, "speed": 0, "sound": "", "keepPrevious": 0, "transparent": 0}]}
// Paths are UTF-8 strings; "speed" is the speed index. Every slide needs "image"; other
// missing fields take the defaults of a new slide.
class ShowJson {
public:
    // Far beyond the largest show the program can hold, and bounded so a wrong file costs
    // little memory.
    static constexpr qint64 kMaxBytes = 64 << 20;

    static QByteArray toJson(const EditableShow& show);
    // Canvas sides beyond ShowDocument::kMaxCanvasSide and texts with lone surrogates are
    // refused.
    static Expected<EditableShow> fromJson(QByteArrayView json);
};

// Reads a show from a .json file (by its suffix) or from a workspace file.
Expected<EditableShow> loadShow(const QString& path);
