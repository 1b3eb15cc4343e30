#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace fw {

// The header lines of an HTTP reply, in the order they arrived. Indexes count from 0;
// reading past the last entry gives the empty text.
class InternetHeaders {
public:
    void AppendHeader(const QString &name, const QString &value);

    int Count() const { return int(entries_.size()); }
    QString Name(int index) const;
    QString Value(int index) const;
    // The value of the first header of that name, letter case ignored; empty when none.
    QString Value(const QString &name) const;

    friend bool operator==(const InternetHeaders &, const InternetHeaders &) = default;

private:
    QList<std::pair<QString, QString>> entries_;
};

} // namespace fw
