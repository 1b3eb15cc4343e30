#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace fw {

// A menu item of the menu model: a top-level menu, an item or a separator ("-").
// Windows build their Qt menu bars from this model; a chosen item reaches its
// handler by Name.
class MenuItem {
public:
    enum class Kind { Item, About, Quit };

    explicit MenuItem(QString name = QString(), QString text = QString(),
                      QString keyboardShortcut = QString());
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem &) = delete;
    MenuItem &operator=(const MenuItem &) = delete;

    virtual Kind kind() const { return Kind::Item; }

    QString Name;
    // As written, "&" marks included; "-" makes a separator.
    QString Text;
    // As written, e.g. "Cmd+P"; empty for none.
    QString KeyboardShortcut;
    bool AutoEnable = true;
    bool Enabled = true;

    bool isSeparator() const { return Text == QLatin1String("-"); }

    // Adds an item at the end and returns it.
    MenuItem &Append(std::unique_ptr<MenuItem> item);
    // The direct child of that name, or nullptr.
    MenuItem *Child(const QString &name) const;
    // The item of that name anywhere below this one, or nullptr.
    MenuItem *Lookup(const QString &name) const;

    int Count() const { return int(children_.size()); }
    MenuItem &Item(int index) const { return *children_.at(std::size_t(index)); }

private:
    std::vector<std::unique_ptr<MenuItem>> children_;
};

// The About item, which some platforms move to an application menu.
class AppleMenuItem : public MenuItem {
public:
    using MenuItem::MenuItem;
    Kind kind() const override { return Kind::About; }
};

// The Quit item, which some platforms move to an application menu.
class QuitMenuItem : public MenuItem {
public:
    using MenuItem::MenuItem;
    Kind kind() const override { return Kind::Quit; }
};

class MenuBar : public MenuItem {
public:
    MenuBar() = default;
};

// The stored shortcut in Qt's form: "Cmd+P" becomes "Ctrl+P", which is the
// Command key on a Mac and Control elsewhere. Empty when the item has none.
QString platformShortcut(const QString &stored);

} // namespace fw
