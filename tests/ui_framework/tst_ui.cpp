#include "plainwindow.h"

#include "framework/core/listbox.h"
#include "framework/ui/listboxview.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// What the program's windows take for granted of the framework beneath them.
class UiFrameworkTest : public QObject {
    Q_OBJECT

private slots:
    // A window's lists and views may go in either order: a view whose list is gone, or that
    // another view took the place of, shows no rows and touches nothing of the list; and a list
    // outlives the views it had.
    void listsAndTheirViewsMayGoInEitherOrder() {
        auto list = std::make_unique<fw::Listbox>(2);
        fw::ListboxView displaced(*list);
        list->AddRow({u"Spades:"_s, u"A K "_s});
        QCOMPARE(displaced.verticalHeader()->count(), 1);
        fw::ListboxView view(*list);
        QCOMPARE(displaced.verticalHeader()->count(), 0);
        QCOMPARE(view.model()->index(0, 1).data().toString(), u"A K "_s);
        list.reset();
        QCOMPARE(view.verticalHeader()->count(), 0);
        fw::Listbox other(2);
        std::make_unique<fw::ListboxView>(other).reset();
        other.AddRow(u"Hearts:"_s); // reaches no view
    }

    // A window closed while a deeper modal loop runs stays alive until its own ShowModal has
    // returned, and is deleted afterwards.
    void aWindowClosedDuringItsModalLoopLivesUntilShowModalReturns() {
        auto *outer = new PlainWindow, *inner = new PlainWindow;
        QPointer<fw::Window> outerAlive(outer), innerAlive(inner);
        bool aliveAfterClose = false;
        QTimer::singleShot(0, inner, [&] {
            QTimer::singleShot(0, outer, [&] { outer->Close(); });
            QTimer::singleShot(50, inner, [&] {
                aliveAfterClose = !outerAlive.isNull();
                inner->Close();
            });
            inner->ShowModal();
        });
        QTimer::singleShot(3000, inner, &fw::Window::Close); // bounds the test should it hang
        outer->ShowModal();
        QVERIFY(aliveAfterClose);
        QTRY_VERIFY2_WITH_TIMEOUT(outerAlive.isNull() && innerAlive.isNull(), "not deleted", 2000);
    }

    // A window that closes itself leaves active the window that was active last before it, also
    // when it was modal and closed before it was ever active; with no window manager here, as
    // under one that never mapped it, nothing else activates a window and the keyboard is lost.
    void aWindowThatClosesItselfLeavesTheLastActiveOneActive() {
        PlainWindow first, last;
        QVERIFY(QTest::qWaitForWindowActive(&last));
        first.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&first));
        auto *modal = new PlainWindow;
        QTimer::singleShot(0, modal, &fw::Window::Close);
        modal->ShowModal();
        QTRY_COMPARE(QApplication::activeWindow(), &first);
    }
};

QTEST_MAIN(UiFrameworkTest)

#include "tst_ui.moc"
