#include "app/menubars.h"

#include <memory>

namespace {

enum class ItemClass { Item, About, Quit };

struct ItemDesign {
    const char *name;
    const char *text;
    const char *shortcut;
    ItemClass itemClass = ItemClass::Item;
};

std::unique_ptr<fw::MenuItem> makeItem(const ItemDesign &design) {
    const QString name = QString::fromLatin1(design.name);
    const QString text = QString::fromLatin1(design.text);
    const QString shortcut = QString::fromLatin1(design.shortcut);
    switch (design.itemClass) {
    case ItemClass::About:
        return std::make_unique<fw::AppleMenuItem>(name, text, shortcut);
    case ItemClass::Quit:
        return std::make_unique<fw::QuitMenuItem>(name, text, shortcut);
    case ItemClass::Item:
        break;
    }
    return std::make_unique<fw::MenuItem>(name, text, shortcut);
}

// Appends a top-level menu to the bar, then each of its items in order; the menu
// is found again by its name, as the items are appended to it.
void buildMenu(fw::MenuBar &bar, const char *name, const char *text,
               std::initializer_list<ItemDesign> items) {
    bar.Append(makeItem({name, text, ""}));
    for (const ItemDesign &item : items)
        bar.Child(QString::fromLatin1(name))->Append(makeItem(item));
}

// The Edit menu of the main window's bar and of the page window's bar.
const std::initializer_list<ItemDesign> editItems = {
    {"EditUndo", "&Undo", "Cmd+Z"},   {"UntitledMenu1", "-", ""},
    {"EditCut", "Cu&t", "Cmd+X"},     {"EditCopy", "&Copy", "Cmd+C"},
    {"EditPaste", "&Paste", "Cmd+V"}, {"EditClear", "&Delete", ""},
    {"UntitledMenu0", "-", ""},       {"EditSelectAll", "Select &All", "Cmd+A"},
};

std::unique_ptr<MenuBar1> bar1;
std::unique_ptr<MenuBar2> bar2;
std::unique_ptr<MenuBar3> bar3;

} // namespace

MenuBar1 &MenuBar1::instance() {
    if (!bar1)
        bar1 = std::make_unique<MenuBar1>();
    return *bar1;
}

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

void MenuBar1::Untitled0() {
    // The separator is named "File", like the menu's text.
    buildMenu(*this, "FileMenu", "File",
              {{"FilePrintHelp", "Print Help", "Cmd+P"},
               {"File", "-", ""},
               {"FileQuit", "Quit", "Cmd+Q"}});
}

void MenuBar1::Untitled1() {
    buildMenu(*this, "EditMenu", "&Edit", editItems);
}

void MenuBar1::Untitled2() {
    buildMenu(*this, "CheckforUpdateMenu", "Check for Update",
              {{"CheckforUpdateCheckNow", "Check Now", ""}});
}

void MenuBar1::Untitled3() {
    buildMenu(*this, "HelpMenu", "Quillory Help",
              {{"HelpShow", "Show Help", ""}, {"HelpAbout", "About...", "", ItemClass::About}});
}

MenuBar2 &MenuBar2::instance() {
    if (!bar2)
        bar2 = std::make_unique<MenuBar2>();
    return *bar2;
}

MenuBar2::MenuBar2() {
    Untitled0();
    Untitled1();
}

void MenuBar2::Untitled0() {
    buildMenu(*this, "FileMenu", "File", {{"FilePrintPageofHands", "Print Page of Hands", ""}});
}

void MenuBar2::Untitled1() {
    buildMenu(*this, "EditMenu", "&Edit", editItems);
}

MenuBar3 &MenuBar3::instance() {
    if (!bar3)
        bar3 = std::make_unique<MenuBar3>();
    return *bar3;
}

MenuBar3::MenuBar3() {
    Untitled0();
    Untitled1();
}

void MenuBar3::Untitled0() {
    buildMenu(*this, "FileMenu", "&File",
              {{"FilePrintHelp", "Print Help", "Cmd+P"},
               {"FileQuit", "&Quit", "Cmd+Q", ItemClass::Quit}});
}

void MenuBar3::Untitled1() {
    buildMenu(*this, "EditMenu", "&Edit",
              {{"EditUndo", "&Undo", "Cmd+Z"},
               {"EditSeparator1", "-", ""},
               {"EditCut", "Cu&t", "Cmd+X"},
               {"EditCopy", "&Copy", "Cmd+C"},
               {"EditPaste", "&Paste", "Cmd+V"},
               {"EditClear", "&Delete", ""},
               {"EditSeparator2", "-", ""},
               {"EditSelectAll", "Select &All", "Cmd+A"}});
}

void releaseMenuBars() {
    bar1.reset();
    bar2.reset();
    bar3.reset();
}
