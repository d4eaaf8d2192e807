#pragma once

#include "document/Expected.h"

#include <QIODevice>
#include <QString>

#include <memory>

// Writes a file through a temporary file in the same folder that replaces the target only when
// complete: flush, fsync, rename, fsync of the folder. Until commit() succeeds the old file is
// untouched; if the writer is destroyed without commit() the temporary file is removed. Only a
// regular file is ever replaced: a folder, device, FIFO or socket at the path is left as it is.
// Every failure names the file and the reason.
class AtomicFileWriter {
public:
    enum class Existing {
        Replace,  // an existing file is replaced (it keeps its permissions)
        Keep,     // a file that exists by the time of the rename is never replaced
    };

    static inline const QString kNotRegular = QStringLiteral("通常のファイルではありません");
    static inline const QString kAppeared =
        QStringLiteral("同じ名前のファイルが作られたため上書きしません");

    explicit AtomicFileWriter(const QString& path, Existing existing = Existing::Replace);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    [[nodiscard]] Status open();
    // Unbuffered; a failed write sets its errorString() to the reason in Japanese.
    QIODevice& device();
    // Read permission becomes execute permission too, as for any program file.
    void makeExecutable();
    // A failure of a writer that used device(): when the device failed, the message names this
    // file and the system's reason; otherwise `status` as it is.
    [[nodiscard]] Status explain(const Status& status) const;
    // Flushes, syncs and renames over the target, then syncs the folder.
    [[nodiscard]] Status commit();

private:
    class HandleDevice;

    Status fail(const QString& reason);
    void discard();

    QString path_;    // as the caller named it, for messages
    QString target_;  // the file replaced: path_, or the file a link at path_ leads to
    Existing existing_;
    QString temporaryPath_;
    int handle_ = -1;
    std::unique_ptr<HandleDevice> device_;
};
