#include "memory.h"

#include "alerts.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

AllocationFailure &FailureRule()
{
    static AllocationFailure rule;
    return rule;
}

// Appends `text` to the message built so far in `message`.
void Append(char *message, const char *text)
{
    Mystrcpy(message + Mystrlen(message), text);
}

void ReportFailure(std::size_t size, const char *name, const char *function)
{
    // Room for the fixed words and two names of the longest length the string helpers accept.
    char message[2 * MAXSTRLEN + 64];
    std::snprintf(message, sizeof message, "GlobalAlloc of %zu bytes", size);
    if (name) {
        Append(message, " for ");
        Append(message, name);
    }
    if (function) {
        Append(message, " in ");
        Append(message, function);
    }
    Append(message, " failed.");
    ShowAlert(AlertIcon::Stop, QStringLiteral("MyGAlloc() Error"), QString::fromLocal8Bit(message));
}

} // namespace

void *MyGAlloc(std::size_t size, const char *name, const char *function)
{
    void *block = nullptr;
    if (!FailureRule() || !FailureRule()(size, name))
        block = std::calloc(size ? size : 1, 1);
    if (!block)
        ReportFailure(size, name, function);
    return block;
}

void MyGFree(void *block)
{
    std::free(block);
}

AllocationFailure SetAllocationFailure(AllocationFailure fails)
{
    return std::exchange(FailureRule(), std::move(fails));
}

int Mystrlen(const char *text)
{
    int length = 0;
    while (length < MAXSTRLEN && text[length] != '\0')
        ++length;
    if (length < MAXSTRLEN)
        return length;
    ShowAlert(AlertIcon::None, QStringLiteral("Mystrlen"),
              QStringLiteral("Unable to determine string length."));
    return 0;
}

void Mystrcpy(char *dest, const char *src)
{
    // A source without a terminator within the limit is cut at the limit rather than copied as nothing.
    int length = 0;
    while (length < MAXSTRLEN - 1 && src[length] != '\0')
        ++length;
    if (src[length] != '\0')
        ShowAlert(AlertIcon::None, QStringLiteral("Mystrcpy"),
                  QStringLiteral("Unable to copy full string: source > MAXSTRLEN"));
    for (int i = 0; i < length; ++i)
        dest[i] = src[i];
    dest[length] = '\0';
}
