#include "framework/net/httpreplyframer.h"

#include "framework/core/text.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <limits>

namespace fw {

namespace {

int statusNumber(double value) {
    if (value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
        return int(value);
    return 0;
}

// Digits only, after the blanks around them; anything else means "no length given".
qint64 contentLengthNumber(const QString &text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        }))
        return -1;
    bool ok = false;
    const qint64 length = digits.toLongLong(&ok);
    return ok ? length : -1; // too many digits to hold: read to the close, as without one
}

} // namespace

HttpReplyFramer::State HttpReplyFramer::feed(QByteArrayView bytes) {
    if (isFinished() || bytes.isEmpty())
        return state_;
    if (state_ == State::ReadingBody) {
        takeBody(bytes);
        return state_;
    }
    const qsizetype from = head_.size();
    head_.append(bytes);
    findHeaderEnd(from);
    return state_;
}

HttpReplyFramer::State HttpReplyFramer::close() {
    if (isFinished())
        return state_;
    if (state_ == State::ReadingHeaders) {
        headSize_ = head_.size();
        takeHeaderBlock(head_);
        head_.clear();
    }
    state_ = State::Complete;
    return state_;
}

void HttpReplyFramer::findHeaderEnd(qsizetype from) {
    for (qsizetype i = from; i < head_.size(); ++i) {
        if (head_[i] == '\r') {
            sawCr_ = true;
        } else if (head_[i] == '\n') {
            sawLf_ = true;
            sawCrLf_ = sawCrLf_ || (i > 0 && head_[i - 1] == '\r');
        }
    }
    const char *lineEndTwice = sawCrLf_ ? "\r\n\r\n"
                               : sawLf_ ? "\n\n"
                               : sawCr_ ? "\r\r"
                                        : "\r\n\r\n";
    // Every candidate is one of the same three patterns, and none of them was in the
    // bytes before, so a match now must reach into the new bytes.
    const qsizetype start = std::max<qsizetype>(0, from - 3);
    for (QByteArrayView end : {QByteArrayView(lineEndTwice), QByteArrayView("\n\n"),
                               QByteArrayView("\r\n\r\n"), QByteArrayView("\r\r")}) {
        const qsizetype at = head_.indexOf(end, start);
        if (at < 0)
            continue;
        headSize_ = at + end.size(); // takeBody holds it to the limit
        const QByteArray rest = head_.mid(headSize_);
        takeHeaderBlock(QByteArrayView(head_).first(at));
        head_.clear();
        state_ = State::ReadingBody;
        takeBody(rest); // even when empty: a Content-Length of 0 completes the reply here
        return;
    }
    if (head_.size() > limit_)
        fail();
}

void HttpReplyFramer::takeHeaderBlock(QByteArrayView block) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = QString::fromLatin1(block).split(lineBreak);
    status_ = statusNumber(Val(NthField(lines.first(), QStringLiteral(" "), 2)));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(QLatin1Char(':'));
        if (colon > 0)
            headers_.AppendHeader(lines[i].left(colon).trimmed(),
                                  lines[i].mid(colon + 1).trimmed());
    }
    contentLength_ = contentLengthNumber(headers_.Value(QStringLiteral("Content-Length")));
}

void HttpReplyFramer::takeBody(QByteArrayView bytes) {
    if (contentLength_ >= 0)
        bytes = bytes.first(std::min<qint64>(bytes.size(), contentLength_ - body_.size()));
    if (headSize_ + body_.size() + bytes.size() > limit_)
        return fail();
    body_.append(bytes);
    if (body_.size() == contentLength_)
        state_ = State::Complete;
}

void HttpReplyFramer::fail() {
    state_ = State::TooLarge;
    head_.clear();
    body_.clear();
}

} // namespace fw
