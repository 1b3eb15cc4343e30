#include "framework/net/internetheaders.h"

namespace fw {

void InternetHeaders::AppendHeader(const QString &name, const QString &value) {
    entries_.append({name, value});
}

QString InternetHeaders::Name(int index) const {
    return index >= 0 && index < entries_.size() ? entries_[index].first : QString();
}

QString InternetHeaders::Value(int index) const {
    return index >= 0 && index < entries_.size() ? entries_[index].second : QString();
}

QString InternetHeaders::Value(const QString &name) const {
    for (const auto &[n, v] : entries_) {
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return v;
    }
    return QString();
}

} // namespace fw
