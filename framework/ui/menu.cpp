#include "framework/ui/menu.h"

namespace fw {

MenuItem::MenuItem(QString name, QString text, QString keyboardShortcut)
    : Name(std::move(name)), Text(std::move(text)), KeyboardShortcut(std::move(keyboardShortcut)) {}

MenuItem &MenuItem::Append(std::unique_ptr<MenuItem> item) {
    children_.push_back(std::move(item));
    return *children_.back();
}

MenuItem *MenuItem::Child(const QString &name) const {
    for (const auto &child : children_)
        if (child->Name == name)
            return child.get();
    return nullptr;
}

MenuItem *MenuItem::Lookup(const QString &name) const {
    for (const auto &child : children_) {
        if (child->Name == name)
            return child.get();
        if (MenuItem *found = child->Lookup(name))
            return found;
    }
    return nullptr;
}

QString platformShortcut(const QString &stored) {
    // Qt's "Ctrl" is the Command key on a Mac and Control elsewhere.
    QString shortcut = stored;
    shortcut.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"));
    return shortcut;
}

} // namespace fw
