#include "tst_update.h"

#include "app/startup.h"
#include "scripteddesktop.h"
#include "update/aboutbox.h"
#include "windows/window1.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>

void AboutBoxTest::init() {
    QVERIFY(startUp());
}
void AboutBoxTest::cleanup() {
    shutDown();
}

void AboutBoxTest::showsNameCreditsAndTheLongVersion() {
    AboutBox &about = AboutBox::instance();
    QVERIFY(about.isVisible());
    QCOMPARE(about.windowTitle(), QStringLiteral("About..."));
    QCOMPARE(about.content()->size(), QSize(264, 295));
    QStringList controls;
    for (QWidget *child :
         about.content()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        controls << child->objectName();
    QCOMPARE(controls, QStringList({"PushButton1", "PushButton2", "StaticText2", "StaticText1",
                                    "StaticText3", "StaticText4", "OrderPage"}));
    QCOMPARE(about.StaticText1().Text(), QStringLiteral("Quillory"));
    QCOMPARE(about.StaticText3().Text(), QStringLiteral("Version:"));
    // The label opens with the long version, right-aligned to the buttons' edge.
    QCOMPARE(about.StaticText4().Text(), QStringLiteral("1.1.0"));
    QCOMPARE(about.StaticText4().geometry().right() + 1, 192);
    const QStringList credits = about.StaticText2().Text().split(u'\r');
    QCOMPARE(credits.size(), 5);
    QCOMPARE(credits[0] + u'|' + credits[2] + u'|' + credits[3],
             QStringLiteral("Developed by||Sr. Beta Tester"));
}

void AboutBoxTest::buttonsHandTheirAddressesAndOneWindowServes() {
    ScriptedDesktop desktop;
    // "About..." from the main window runs its handler and the application's.
    QAction *item =
        Window1::instance().menuBar()->findChild<QAction *>(QStringLiteral("HelpAbout"));
    item->trigger();
    item->trigger();
    AboutBox &about = AboutBox::instance();
    int open = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        open += qobject_cast<AboutBox *>(w) && w->isVisible();
    QCOMPARE(open, 1);
    QTest::mouseClick(&about.PushButton1(), Qt::LeftButton);
    QTest::mouseClick(&about.PushButton2(), Qt::LeftButton);
    QTest::mouseClick(&about.OrderPage(), Qt::LeftButton);
    about.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QTest::keyClick(&about, Qt::Key_Return); // the default button: Support Orvane
    const QString order = QStringLiteral("http://order.store.example/?QUILLORY&lang=en");
    QCOMPARE(desktop.urls, QStringList({"mailto:author@orvane.example", "http://www.orvane.example",
                                        order, order}));
    QVERIFY(!about.isClosed());
    about.Close();
    QVERIFY(&AboutBox::instance() != &about); // a closed window is forgotten
}
