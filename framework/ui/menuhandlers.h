#pragma once

#include <QHash>
#include <QString>
#include <functional>

namespace fw {

// Menu handlers registered by menu-item name. A handler returns true when it has
// finished the command, so that nobody else is asked.
class MenuHandlers {
public:
    using Handler = std::function<bool()>;

    void AddMenuHandler(const QString &itemName, Handler handler) {
        handlers_.insert(itemName, std::move(handler));
    }
    bool hasMenuHandler(const QString &itemName) const { return handlers_.contains(itemName); }
    // The handler registered under that name; an empty function when there is none.
    Handler menuHandler(const QString &itemName) const { return handlers_.value(itemName); }

private:
    QHash<QString, Handler> handlers_;
};

} // namespace fw
