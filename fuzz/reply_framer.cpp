// Feeds a hostile reply to the framer in pieces, checking what it promises.
//
// Input: byte 0 picks the size limit and whether the server closes at the end; bytes
// 1 to 3 pick where the rest is cut into pieces; the rest is the reply.

#include "framework/net/httpreplyframer.h"

#include <QByteArrayView>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

using fw::HttpReplyFramer;
using State = HttpReplyFramer::State;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

struct Result {
    State state;
    int status;
    fw::InternetHeaders headers;
    QByteArray body;
    friend bool operator==(const Result &, const Result &) = default;
};

Result frame(qsizetype limit, QByteArrayView reply, const std::array<qsizetype, 5> &cuts,
             bool closes) {
    HttpReplyFramer framer(limit);
    State last = framer.state();
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const State now = framer.feed(reply.sliced(cuts[i], cuts[i + 1] - cuts[i]));
        check(now == framer.state());
        // Once finished, it stays so.
        if (last == State::Complete || last == State::TooLarge)
            check(now == last);
        last = now;
    }
    if (closes) {
        framer.close();
        check(framer.isFinished());
    }
    check(framer.body().size() <= limit);
    if (framer.state() == State::TooLarge)
        check(framer.body().isEmpty()); // nothing kept once over the limit
    // Without the close, only the Content-Length completes a reply, and exactly.
    if (!closes && framer.state() == State::Complete) {
        bool ok = false;
        const qint64 length =
            framer.headers().Value(QStringLiteral("Content-Length")).toLongLong(&ok);
        check(ok && length == framer.body().size());
    }
    check(framer.bodyText().size() == framer.body().size());
    return {framer.state(), framer.status(), framer.headers(), framer.body()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 4)
        return 0;
    const bool closes = data[0] & 1;
    // Small limits reach the size checks with small inputs; 127 keeps the real one.
    const int pick = data[0] >> 1;
    const qsizetype limit = pick == 127 ? HttpReplyFramer::DefaultLimit : qsizetype(pick) * 16;
    const QByteArrayView reply(reinterpret_cast<const char *>(data) + 4, qsizetype(size - 4));

    std::array<qsizetype, 5> cuts = {0, 0, 0, 0, reply.size()};
    for (int i = 1; i <= 3; ++i)
        cuts[i] = reply.size() * data[i] / 256;
    std::sort(cuts.begin(), cuts.end());

    const Result first = frame(limit, reply, cuts, closes);
    // The same pieces give the same reply.
    check(frame(limit, reply, cuts, closes) == first);
    return 0;
}
