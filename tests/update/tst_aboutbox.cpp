#include "tst_update.h"

#include "app/startup.h"
#include "framework/ui/menubarview.h"
#include "scripteddesktop.h"
#include "update/aboutbox.h"
#include "windows/window1.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>

void AboutBoxTest::init() { QVERIFY(startUp()); }
void AboutBoxTest::cleanup() { shutDown(); }

void AboutBoxTest::showsNameCreditsAndTheLongVersion() {
    AboutBox &about = AboutBox::instance();
    QVERIFY(about.isVisible());
    QCOMPARE(about.windowTitle(), QStringLiteral("About..."));
    QCOMPARE(about.content()->size(), QSize(264, 295));
    QCOMPARE(about.StaticText1().Text(), QStringLiteral("Quillory"));
    QCOMPARE(about.StaticText1().font().pixelSize(), 30);
    QCOMPARE(about.StaticText3().Text(), QStringLiteral("Version:"));
    // The design text never shows: the label opens with the long version.
    QCOMPARE(about.StaticText4().Text(), QStringLiteral("1.1.0"));
    QCOMPARE(about.StaticText4().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(about.StaticText4().geometry().right() + 1, 192);
    const QString credits = about.StaticText2().Text();
    QCOMPARE(credits.split(u'\r').size(), 5);
    QCOMPARE(credits.split(u'\r').at(0), QStringLiteral("Developed by"));
    QCOMPARE(credits.split(u'\r').at(2), QString());
    QCOMPARE(credits.split(u'\r').at(3), QStringLiteral("Sr. Beta Tester"));
    QCOMPARE(about.StaticText2().text().count(u'\n'), 4); // shown on five lines
    QStringList order;
    for (QWidget *child : about.content()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        order << child->objectName();
    QCOMPARE(order, QStringList({"PushButton1", "PushButton2", "StaticText2", "StaticText1",
                                 "StaticText3", "StaticText4", "OrderPage"}));
}

void AboutBoxTest::eachButtonHandsItsOneAddress() {
    ScriptedDesktop desktop;
    AboutBox &about = AboutBox::instance();
    QTest::mouseClick(&about.PushButton1(), Qt::LeftButton);
    QTest::mouseClick(&about.PushButton2(), Qt::LeftButton);
    QTest::mouseClick(&about.OrderPage(), Qt::LeftButton);
    QTest::mouseClick(&about.OrderPage(), Qt::LeftButton);
    QCOMPARE(desktop.urls, QStringList({"mailto:author@orvane.example", "http://www.orvane.example",
                                        "http://order.store.example/?QUILLORY&lang=en",
                                        "http://order.store.example/?QUILLORY&lang=en"}));
    QVERIFY(about.isVisible());
    QVERIFY(!about.isClosed());
    QCOMPARE(&AboutBox::instance(), &about);
}

void AboutBoxTest::returnPressesSupportOrvane() {
    ScriptedDesktop desktop;
    AboutBox &about = AboutBox::instance();
    about.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QTest::keyClick(&about, Qt::Key_Return);
    QCOMPARE(desktop.urls, QStringList({"http://order.store.example/?QUILLORY&lang=en"}));
}

void AboutBoxTest::aboutFromTheMainWindowShowsOneWindow() {
    Window1 &main = Window1::instance();
    QAction *about = main.menuBar()->findChild<QAction *>(QStringLiteral("HelpAbout"));
    QVERIFY(about);
    about->trigger(); // the window's handler, then the application's
    about->trigger();
    int windows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<AboutBox *>(w) && w->isVisible())
            ++windows;
    QCOMPARE(windows, 1);
    // Closed, it is forgotten: the next use makes a fresh one.
    AboutBox *first = &AboutBox::instance();
    first->Close();
    AboutBox *second = &AboutBox::instance();
    QVERIFY(second != first);
    QVERIFY(second->isVisible() && !second->isClosed());
}
