#include "inouterror.h"

#include <cerrno>
#include <string>

namespace sk2 {

namespace {

std::string NumberedMessage(int errorCode)
{
    return "I/O error " + std::to_string(errorCode);
}

std::string MessageOf(int errorCode)
{
    switch (errorCode) {
    case EInOutError::FileNotFound:
        return "File not found";
    case EInOutError::TooManyOpenFiles:
        return "Too many open files";
    case EInOutError::AccessDenied:
        return "File access denied";
    case EInOutError::EndOfFile:
        return "Read beyond end of file";
    case EInOutError::DiskFull:
        return "Disk full";
    case EInOutError::FileNotOpen:
        return "File not open";
    default:
        return NumberedMessage(errorCode);
    }
}

} // namespace

EInOutError::EInOutError(int errorCode)
    : EInOutError(errorCode, MessageOf(errorCode))
{}

EInOutError::EInOutError(int errorCode, const std::string &message)
    : std::runtime_error(message)
    , ErrorCode(errorCode)
{}

EInOutError EInOutError::FromErrno(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT:
        return EInOutError(FileNotFound);
    case EMFILE:
    case ENFILE:
        return EInOutError(TooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
        return EInOutError(AccessDenied);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return EInOutError(DiskFull);
    default:
        // errno numbers overlap the numbers with texts of their own (EIO is 5): keep the number only.
        return EInOutError(errnoValue, NumberedMessage(errnoValue));
    }
}

} // namespace sk2
