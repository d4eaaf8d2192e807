#include "SystemError.h"

#include <cerrno>
#include <cstring>

QString SystemError::reason(int error)
{
    switch (error) {
        case ENOSPC:
            return kNoSpace;
        case EACCES:
        case EPERM:
            return kNoPermission;
        case EROFS:
            return kReadOnly;
        case ENOENT:
            return kNotFound;
        case EFBIG:
            return kTooLarge;
#ifdef EDQUOT
        case EDQUOT:
            return kQuota;
#endif
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}
