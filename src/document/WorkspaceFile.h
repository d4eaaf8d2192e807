#pragma once

#include "document/EditableShow.h"
#include "document/Expected.h"
#include "document/WorkspaceRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reading and writing workspace files. The byte layout is fixed: little-endian fields without
// padding, texts as a 16-bit byte count and the bytes (see TextCodec).
class WorkspaceFile {
public:
    // The message the user sees, titled "失敗", for any file that cannot be taken.
    static inline const QString kCannotOpenMessage = QStringLiteral("開けません");
    static inline const QString kCannotOpenTitle = QStringLiteral("失敗");
    static inline const QString kSuffix = QStringLiteral(".kwp");
    static inline const QString kCanvasOutOfRange =
        QStringLiteral("キャンバスの大きさが範囲外です(1辺9999ピクセルまで)");

    // The name a save writes for the save dialog's answer: ".kwp" is appended unless the last
    // four characters, lower-cased, already are ".kwp" (show -> show.kwp, show.KWP stays,
    // show.txt -> show.txt.kwp).
    static QString withWorkspaceSuffix(const QString& name);

    static QByteArray encode(const WorkspaceRecord& record);
    // Refuses anything that is not one whole record with tag "400", canvas sides of 0 to
    // ShowDocument::kMaxCanvasSide and 1 to 32767 slides;
    // the error text says what is wrong (for logs and kremoa-cli; the user sees
    // kCannotOpenMessage). Bytes after the record are ignored, as the program always read
    // one record from the start of the file.
    static Expected<WorkspaceRecord> decode(QByteArrayView bytes);
    // What save() refuses before writing: no slides, more than 32767, a text whose bytes do
    // not fit the 16-bit length.
    [[nodiscard]] static Status validate(const WorkspaceRecord& record);

    // Writes through an atomic replace: an existing file stays intact until the new one is
    // complete and synced.
    [[nodiscard]] static Status save(const QString& path, const WorkspaceRecord& record);
    [[nodiscard]] static Expected<WorkspaceRecord> load(const QString& path);

    // The record a save writes for a show, and the show a load makes of a record (every slide
    // at speed index 0, package-only fields empty).
    static WorkspaceRecord fromShow(const EditableShow& show);
    static EditableShow toShow(const WorkspaceRecord& record);
};
