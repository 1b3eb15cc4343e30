#include "tst_app.h"

#include "app/app.h"
#include "app/menubars.h"
#include "app/startup.h"
#include "framework/ui/menubarview.h"
#include "windows/window1.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

// One line per item: menu, name, class, text, shortcut, auto-enable.
QStringList describe(const fw::MenuBar &bar) {
    QStringList lines;
    for (int m = 0; m < bar.Count(); ++m) {
        const fw::MenuItem &menu = bar.Item(m);
        lines << QStringLiteral("%1 \"%2\" %3").arg(menu.Name, menu.Text, menu.AutoEnable ? "auto" : "-");
        for (int i = 0; i < menu.Count(); ++i) {
            const fw::MenuItem &item = menu.Item(i);
            const char *kind = item.kind() == fw::MenuItem::Kind::About  ? "AppleMenuItem"
                               : item.kind() == fw::MenuItem::Kind::Quit ? "QuitMenuItem"
                                                                        : "MenuItem";
            lines << QStringLiteral("  %1 %2 \"%3\" %4 %5")
                         .arg(item.Name, QLatin1String(kind), item.Text, item.KeyboardShortcut,
                              item.AutoEnable ? "auto" : "-");
        }
    }
    return lines;
}

const QStringList editMenu12 = {
    "EditMenu \"&Edit\" auto",
    "  EditUndo MenuItem \"&Undo\" Cmd+Z auto",
    "  UntitledMenu1 MenuItem \"-\"  auto",
    "  EditCut MenuItem \"Cu&t\" Cmd+X auto",
    "  EditCopy MenuItem \"&Copy\" Cmd+C auto",
    "  EditPaste MenuItem \"&Paste\" Cmd+V auto",
    "  EditClear MenuItem \"&Delete\"  auto",
    "  UntitledMenu0 MenuItem \"-\"  auto",
    "  EditSelectAll MenuItem \"Select &All\" Cmd+A auto",
};

// A window with handlers that record their calls, for the dispatch.
class RecordingWindow : public fw::Window {
public:
    QStringList *calls = nullptr;
    bool result = false;

protected:
    void AddMenuHandlers() override {
        AddMenuHandler(QStringLiteral("HelpAbout"), [this] {
            *calls << QStringLiteral("window");
            return result;
        });
    }
};

} // namespace

void MenuTest::init() { QVERIFY(startUp()); }
void MenuTest::cleanup() { shutDown(); }

void MenuTest::barsEqualTheirTables_data() {
    QTest::addColumn<QStringList>("actual");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("MenuBar1") << describe(MenuBar1::instance())
                              << QStringList({
                                     "FileMenu \"File\" auto",
                                     "  FilePrintHelp MenuItem \"Print Help\" Cmd+P auto",
                                     "  File MenuItem \"-\"  auto",
                                     "  FileQuit MenuItem \"Quit\" Cmd+Q auto",
                                 }) + editMenu12 +
                                     QStringList({
                                         "CheckforUpdateMenu \"Check for Update\" auto",
                                         "  CheckforUpdateCheckNow MenuItem \"Check Now\"  auto",
                                         "HelpMenu \"Quillory Help\" auto",
                                         "  HelpShow MenuItem \"Show Help\"  auto",
                                         "  HelpAbout AppleMenuItem \"About...\"  auto",
                                     });
    QTest::newRow("MenuBar2") << describe(MenuBar2::instance())
                              << QStringList({
                                     "FileMenu \"File\" auto",
                                     "  FilePrintPageofHands MenuItem \"Print Page of Hands\"  auto",
                                 }) + editMenu12;
    QTest::newRow("MenuBar3") << describe(MenuBar3::instance())
                              << QStringList({
                                     "FileMenu \"&File\" auto",
                                     "  FilePrintHelp MenuItem \"Print Help\" Cmd+P auto",
                                     "  FileQuit QuitMenuItem \"&Quit\" Cmd+Q auto",
                                     "EditMenu \"&Edit\" auto",
                                     "  EditUndo MenuItem \"&Undo\" Cmd+Z auto",
                                     "  EditSeparator1 MenuItem \"-\"  auto",
                                     "  EditCut MenuItem \"Cu&t\" Cmd+X auto",
                                     "  EditCopy MenuItem \"&Copy\" Cmd+C auto",
                                     "  EditPaste MenuItem \"&Paste\" Cmd+V auto",
                                     "  EditClear MenuItem \"&Delete\"  auto",
                                     "  EditSeparator2 MenuItem \"-\"  auto",
                                     "  EditSelectAll MenuItem \"Select &All\" Cmd+A auto",
                                 });
}

void MenuTest::barsEqualTheirTables() {
    QFETCH(QStringList, actual);
    QFETCH(QStringList, expected);
    QCOMPARE(actual, expected);
}

void MenuTest::qtMenuBarShowsTheItemsWithCtrlShortcuts() {
    QMenuBar *bar = Window1::instance().menuBar();
    QStringList menus;
    for (QAction *action : bar->actions())
        menus << action->text();
    QCOMPARE(menus, QStringList({"File", "&Edit", "Check for Update", "Quillory Help"}));
    QMenu *file = bar->actions().first()->menu();
    QStringList items;
    for (QAction *action : file->actions())
        items << (action->isSeparator() ? QStringLiteral("-")
                                        : action->text() + u' ' + action->shortcut().toString());
    QCOMPARE(items, QStringList({"Print Help Ctrl+P", "-", "Quit Ctrl+Q"}));
    QAction *about = bar->findChild<QAction *>(QStringLiteral("HelpAbout"));
    QVERIFY(about);
    QCOMPARE(about->menuRole(), QAction::AboutRole);
    QCOMPARE(fw::platformShortcut(QStringLiteral("Cmd+A")), QStringLiteral("Ctrl+A"));
    QCOMPARE(fw::platformShortcut(QString()), QString());
}

void MenuTest::dispatchAsksTheFrontWindowThenTheApplication() {
    QStringList calls;
    App &app = App::instance();
    bool appResult = false;
    app.AddMenuHandler(QStringLiteral("HelpAbout"), [&] {
        calls << QStringLiteral("application");
        return appResult;
    });
    auto *window = new RecordingWindow;
    window->calls = &calls;
    window->construct();

    window->result = false;
    QVERIFY(fw::dispatchMenuItem(QStringLiteral("HelpAbout"), window));
    QCOMPARE(calls, QStringList({"window", "application"}));

    calls.clear();
    window->result = true;
    QVERIFY(fw::dispatchMenuItem(QStringLiteral("HelpAbout"), window));
    QCOMPARE(calls, QStringList({"window"}));

    // No window in front: the application alone.
    calls.clear();
    QVERIFY(fw::dispatchMenuItem(QStringLiteral("HelpAbout"), nullptr));
    QCOMPARE(calls, QStringList({"application"}));

    // Nobody handles the Edit items.
    QVERIFY(!fw::dispatchMenuItem(QStringLiteral("EditUndo"), window));

    // The menu of the window's bar reaches the same dispatch.
    calls.clear();
    window->result = false;
    window->menuBar()->findChild<QAction *>(QStringLiteral("HelpAbout"))->trigger();
    QCOMPARE(calls, QStringList({"window", "application"}));
    window->Close();
}

void MenuTest::itemsWithHandlersAreEnabledWhenAMenuOpens() {
    Window1 &w = Window1::instance();
    MenuBar1 &bar = MenuBar1::instance();
    for (const char *name : {"FileQuit", "FilePrintHelp", "EditUndo", "HelpAbout"})
        bar.Lookup(QString::fromLatin1(name))->Enabled = false;
    App::instance().AddMenuHandler(QStringLiteral("HelpAbout"), [] { return false; });
    QMenu *file = w.menuBar()->findChild<QMenu *>(QStringLiteral("FileMenu"));
    QMenu *help = w.menuBar()->findChild<QMenu *>(QStringLiteral("HelpMenu"));
    QVERIFY(file && help);
    emit file->aboutToShow();
    auto action = [&](const char *name) {
        return w.menuBar()->findChild<QAction *>(QString::fromLatin1(name));
    };
    QVERIFY(action("FileQuit")->isEnabled());
    QVERIFY(bar.Lookup(QStringLiteral("FileQuit"))->Enabled);
    // The application's EnableMenuItems enables Print Help too.
    QVERIFY(action("FilePrintHelp")->isEnabled());
    QVERIFY(action("HelpAbout")->isEnabled());
    // An Edit item is enabled only when the focused control can carry it out.
    QVERIFY(!action("EditUndo")->isEnabled());
}
