#include "protocol/line_reader.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// takeLine() gives out the first whole line of the pending bytes, if there is one. A line that grew
// past the limit is dropped: its bytes go, and its end, when it comes, ends the drop.
bool takeLine(LineReader& reader, std::string& line, LineRead& result) {
    const size_t end = reader.pending.find('\n');
    if (end == std::string::npos) {
        if (reader.pending.size() <= MAX_LINE_BYTES) return false;
        reader.pending.clear();
        const bool first = !reader.dropping;
        reader.dropping = true;
        if (!first) return false;
        result = LineRead::TooLong;
        return true;
    }
    if (reader.dropping || end > MAX_LINE_BYTES) {
        const bool reported = reader.dropping;
        reader.dropping = false;
        reader.pending.erase(0, end + 1);
        if (reported) return takeLine(reader, line, result);
        result = LineRead::TooLong;
        return true;
    }
    line.assign(reader.pending, 0, end);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    reader.pending.erase(0, end + 1);
    result = LineRead::Line;
    return true;
}

// readMore() reads what has arrived, waiting at most `milliseconds` for it; false when nothing came.
bool readMore(LineReader& reader, int milliseconds) {
    pollfd wanted{reader.fd, POLLIN, 0};
    int ready;
    do ready = poll(&wanted, 1, milliseconds);
    while (ready < 0 && errno == EINTR);
    if (ready <= 0) {
        if (ready < 0) reader.ended = true;
        return ready < 0;
    }
    char buffer[65536];
    ssize_t got;
    do got = read(reader.fd, buffer, sizeof buffer);
    while (got < 0 && errno == EINTR);
    if (got <= 0) reader.ended = true;
    else reader.pending.append(buffer, static_cast<size_t>(got));
    return true;
}

}  // namespace

LineRead readLine(LineReader& reader, std::string& line, int waitMilliseconds) {
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(waitMilliseconds < 0 ? 0 : waitMilliseconds);
    for (;;) {
        LineRead result;
        if (takeLine(reader, line, result)) return result;
        if (reader.ended) {
            if (reader.pending.empty() || reader.dropping) {
                reader.pending.clear();
                return LineRead::End;
            }
            line.swap(reader.pending);  // the last line, without a line end
            reader.pending.clear();
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return LineRead::Line;
        }
        int left = -1;
        if (waitMilliseconds >= 0) {
            const auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
            left = remaining > 0 ? static_cast<int>(remaining) : 0;
        }
        if (!readMore(reader, left) && waitMilliseconds >= 0 && left == 0) return LineRead::NotYet;
    }
}
