#pragma once

// EInOutError: the input/output error every track-file operation raises, carrying the system's text
// for the error ("File not found", "Read beyond end of file", "I/O error 21" and the like) and its
// number.

#include <stdexcept>
#include <string>

namespace sk2 {

class EInOutError : public std::runtime_error
{
public:
    // The error numbers that have a text of their own; any other number reads "I/O error <number>".
    enum : int {
        FileNotFound = 2,
        TooManyOpenFiles = 4,
        AccessDenied = 5,
        EndOfFile = 100,
        DiskFull = 101,
        FileNotOpen = 103,
    };

    // The error of one of the numbers above, or "I/O error <number>".
    explicit EInOutError(int errorCode);

    // The error of a failed system call, from its errno value.
    static EInOutError FromErrno(int errnoValue);

    int ErrorCode;

private:
    EInOutError(int errorCode, const std::string &message);
};

} // namespace sk2
