#include "framework/ui/menubarview.h"

#include "framework/ui/application.h"
#include "framework/ui/menu.h"
#include "framework/ui/window.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMetaObject>
#include <QPointer>

namespace fw {

namespace {

// The slot of a text control that carries out a standard Edit item, or nullptr.
const char *editSlot(const QString &itemName) {
    if (itemName == QLatin1String("EditUndo"))
        return "undo";
    if (itemName == QLatin1String("EditCut"))
        return "cut";
    if (itemName == QLatin1String("EditCopy"))
        return "copy";
    if (itemName == QLatin1String("EditPaste"))
        return "paste";
    if (itemName == QLatin1String("EditSelectAll"))
        return "selectAll";
    return nullptr;
}

bool changesText(const QString &itemName) {
    return itemName != QLatin1String("EditCopy") && itemName != QLatin1String("EditSelectAll");
}

// Whether the focused control can carry out the Edit item.
bool editCommandAvailable(const QString &itemName) {
    const char *slot = editSlot(itemName);
    QWidget *focus = QApplication::focusWidget();
    if (!slot || !focus)
        return false;
    if (focus->metaObject()->indexOfMethod(QByteArray(slot) + "()") < 0)
        return false;
    return !(changesText(itemName) && focus->property("readOnly").toBool());
}

void runEditCommand(const QString &itemName) {
    if (editCommandAvailable(itemName))
        QMetaObject::invokeMethod(QApplication::focusWidget(), editSlot(itemName));
}

void applyEnabled(MenuItem &menu, QMenu *qmenu) {
    for (QAction *action : qmenu->actions()) {
        if (action->isSeparator())
            continue;
        if (MenuItem *item = menu.Child(action->objectName()))
            action->setEnabled(item->Enabled);
    }
}

} // namespace

void enableMenuItems(MenuBar &bar, Window &window) {
    Application *app = applicationObject();
    for (int m = 0; m < bar.Count(); ++m) {
        MenuItem &menu = bar.Item(m);
        for (int i = 0; i < menu.Count(); ++i) {
            MenuItem &item = menu.Item(i);
            const bool handled =
                window.hasMenuHandler(item.Name) || (app && app->hasMenuHandler(item.Name));
            item.Enabled = item.AutoEnable && (handled || editCommandAvailable(item.Name));
        }
    }
    if (app)
        guarded([app] { app->Event_EnableMenuItems(); });
    for (QMenu *qmenu :
         window.menuBar()->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly))
        if (MenuItem *menu = bar.Child(qmenu->objectName()))
            applyEnabled(*menu, qmenu);
}

void buildQtMenuBar(MenuBar &bar, Window &window) {
    QMenuBar *qbar = window.menuBar();
    qbar->clear();
    QPointer<Window> owner(&window);
    for (int m = 0; m < bar.Count(); ++m) {
        MenuItem &menu = bar.Item(m);
        QMenu *qmenu = qbar->addMenu(menu.Text);
        qmenu->setObjectName(menu.Name);
        for (int i = 0; i < menu.Count(); ++i) {
            MenuItem &item = menu.Item(i);
            if (item.isSeparator()) {
                qmenu->addSeparator()->setObjectName(item.Name);
                continue;
            }
            QAction *action = qmenu->addAction(item.Text);
            action->setObjectName(item.Name);
            action->setShortcut(QKeySequence(platformShortcut(item.KeyboardShortcut)));
            action->setMenuRole(item.kind() == MenuItem::Kind::About  ? QAction::AboutRole
                                : item.kind() == MenuItem::Kind::Quit ? QAction::QuitRole
                                                                      : QAction::NoRole);
            const QString name = item.Name;
            QObject::connect(action, &QAction::triggered, &window, [owner, name] {
                if (!dispatchMenuItem(name, owner.data()))
                    runEditCommand(name);
            });
        }
        QObject::connect(qmenu, &QMenu::aboutToShow, &window, [&bar, owner] {
            if (owner)
                enableMenuItems(bar, *owner);
        });
    }
    enableMenuItems(bar, window);
}

} // namespace fw
