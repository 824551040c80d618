#include "scrolling.h"

#include <algorithm>

namespace tesselo {

int ScrollMaximum(int tableSize, int clientSize)
{
    return std::max(0, tableSize - 1 - clientSize);
}

int ScrollTarget(ScrollRequest request, int position, int clientSize, int tableSize, int thumb)
{
    // A client wider than the table has nothing to scroll; the limit must not turn negative then.
    const int limit = std::max(0, tableSize - clientSize);
    const int page = (2 * clientSize) / 3;
    switch (request) {
    case ScrollRequest::LineBack:
        return std::max(0, position - ScrollLine);
    case ScrollRequest::LineForward:
        return std::min(limit, position + ScrollLine);
    case ScrollRequest::PageBack:
        return std::max(0, position - page);
    case ScrollRequest::PageForward:
        return std::min(limit, position + page);
    case ScrollRequest::ThumbRelease:
        return thumb;
    case ScrollRequest::ThumbTrack:
        break;
    }
    return position;
}

} // namespace tesselo
