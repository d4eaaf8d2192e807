#pragma once

#include <QString>

// The reason a system call gave (an errno value) as the program tells it: the common ones in
// Japanese, the rest as the system words them.
class SystemError {
public:
    static inline const QString kNoSpace = QStringLiteral("ディスクの空き容量が足りません");
    static inline const QString kNoPermission = QStringLiteral("アクセスが許可されていません");
    static inline const QString kReadOnly =
        QStringLiteral("読み取り専用の場所なので書き込めません");
    static inline const QString kNotFound =
        QStringLiteral("ファイルまたはフォルダが見つかりません");
    static inline const QString kTooLarge = QStringLiteral("ファイルの大きさが上限を超えました");
    static inline const QString kQuota = QStringLiteral("ディスクの使用量が上限を超えました");

    static QString reason(int error);
};
