#pragma once

#include "framework/net/internetheaders.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace fw {

// Cuts an HTTP reply out of the bytes of a connection, fed as they arrive.
//
// The end of the header block is looked for in the text received so far, so where it
// falls can depend on how the bytes were split: the line end is CR LF if that text
// holds CR LF anywhere, else LF if it holds LF, else CR if it holds CR, else CR LF.
// That line end twice in a row wins; failing that LF LF, then CR LF CR LF, then CR CR.
// The header block is what comes before the match; the match itself is dropped.
//
// With a Content-Length header (digits only) the body is that many bytes and anything
// after them is ignored; without one the body runs until the connection closes.
// Nothing is followed or decoded. A reply bigger than the limit, header block and
// blank line included, ends as TooLarge, and no more than one fed piece past the
// limit is ever held.
class HttpReplyFramer {
public:
    static constexpr qsizetype DefaultLimit = 1024 * 1024;

    enum class State { ReadingHeaders, ReadingBody, Complete, TooLarge };

    explicit HttpReplyFramer(qsizetype limit = DefaultLimit) : limit_(limit) {}

    State feed(QByteArrayView bytes);
    // The server closed the connection. A reply whose header block never ended is
    // complete all the same: what arrived is taken as its header block (so a status
    // line that did arrive still counts) and the body is empty. This makes the caller
    // treat it like any other empty reply.
    State close();

    State state() const { return state_; }
    bool isFinished() const { return state_ == State::Complete || state_ == State::TooLarge; }

    // The second blank-separated field of the first line, read as a number; 0 when it
    // is not one or lies outside the range of int.
    int status() const { return status_; }
    const InternetHeaders &headers() const { return headers_; }
    const QByteArray &body() const { return body_; }
    // Each byte as one character (Latin-1): nothing is lost or replaced, and text
    // positions count the bytes the server sent.
    QString bodyText() const { return QString::fromLatin1(body_); }

private:
    void findHeaderEnd(qsizetype from);
    void takeHeaderBlock(QByteArrayView block);
    void takeBody(QByteArrayView bytes);
    void fail();

    qsizetype limit_;
    State state_ = State::ReadingHeaders;
    QByteArray head_;           // bytes before the header block has ended
    qsizetype headSize_ = 0;    // header block and blank line, once found
    qint64 contentLength_ = -1; // -1: none, the body ends at the close
    bool sawCr_ = false, sawLf_ = false, sawCrLf_ = false;
    int status_ = 0;
    InternetHeaders headers_;
    QByteArray body_;
};

} // namespace fw
