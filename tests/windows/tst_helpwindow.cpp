#include "tst_windows.h"

#include "recordinggraphics.h"

#include "app/menubars.h"
#include "app/startup.h"
#include "framework/ui/printing.h"
#include "windows/help.h"
#include "windows/helptext.h"
#include "windows/window1.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

namespace {

QList<Help *> helpWindows() {
    QList<Help *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *help = qobject_cast<Help *>(widget); help && !help->isClosed())
            windows << help;
    return windows;
}

void trigger(fw::Window &window, const char *itemName) {
    QAction *action = window.menuBar()->findChild<QAction *>(QString::fromLatin1(itemName));
    QVERIFY2(action, itemName);
    action->trigger();
}

QStringList wordsOf(const QString &text) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.split(space, Qt::SkipEmptyParts);
}

} // namespace

void HelpWindowTest::init() {
    QVERIFY(startUp());
}

void HelpWindowTest::cleanup() {
    fw::setPrinterDialogForTesting({});
    shutDown();
}

void HelpWindowTest::windowFollowsItsDesign() {
    Help &help = Help::instance();
    QVERIFY(help.isVisible());
    QCOMPARE(help.windowTitle(), QStringLiteral("Help"));
    QCOMPARE(help.content()->size(), QSize(350, 312));
    QCOMPARE(help.WindowMenuBar(), &MenuBar3::instance());
    QStringList menus;
    for (QAction *action : help.menuBar()->actions())
        menus << action->text();
    QCOMPARE(menus, QStringList({"&File", "&Edit"}));

    QStringList controls;
    for (QWidget *child :
         help.content()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        controls << child->objectName();
    QCOMPARE(controls, QStringList({"TextArea1"}));
    const fw::TextArea &text = help.TextArea1();
    QCOMPARE(text.geometry(), QRect(20, 19, 310, 273));
    QVERIFY(text.isReadOnly());
    QCOMPARE(text.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(text.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(text.tabChangesFocus());
    QCOMPARE(text.font(), QApplication::font());
    QCOMPARE(text.Text(), helpText());
    // Shown in five paragraphs with an empty line between each two.
    QCOMPARE(text.document()->blockCount(), 9);
}

void HelpWindowTest::helpTextHasFiveParagraphsWithTheirSentences() {
    const QStringList paragraphs = helpText().split(QStringLiteral("\r\r"));
    QCOMPARE(paragraphs.size(), 5);
    for (const QString &paragraph : paragraphs) {
        QVERIFY(!paragraph.isEmpty());
        QVERIFY(!paragraph.contains(u'\r') && !paragraph.contains(u'\n'));
        // Two spaces after every sentence, never one or three.
        static const QRegularExpression oneSpace(QStringLiteral("[.!?:] \\S"));
        static const QRegularExpression threeSpaces(QStringLiteral("   "));
        QVERIFY2(!oneSpace.match(paragraph).hasMatch(), qPrintable(paragraph));
        QVERIFY2(!threeSpaces.match(paragraph).hasMatch(), qPrintable(paragraph));
        QVERIFY(!paragraph.startsWith(u' ') && !paragraph.endsWith(u' '));
    }
    QCOMPARE(paragraphs[0],
             QStringLiteral("Quillory was developed to help a new Bridge player learn to make "
                            "initial bids by providing an endless supply of random hands.  No "
                            "matter what Bridge bidding rules are used, this application should "
                            "help improve bidding communications between Bridge partners.  "
                            "Bidding, which is an important part of playing Bridge, can be "
                            "difficult for new players."));
    QVERIFY(paragraphs[1].startsWith(
        QStringLiteral("When you launch Quillory, you see a small window with a Bridge hand.  "
                       "Click on the \"New Hand\" button to see a new random Bridge hand.  ")));
    QVERIFY(paragraphs[1].contains(QStringLiteral("\"Show Page of Hands\" button")));
    QCOMPARE(paragraphs[1].count(QStringLiteral(".  ")), 2); // three sentences
    QVERIFY(paragraphs[2].startsWith(
        QStringLiteral("Cards are picked at random from a standard deck of cards, grouped by "
                       "suit and sorted from Ace down to 2.  ")));
    QVERIFY(paragraphs[2].contains(QStringLiteral("\"Show Page of Quillory\" button")));
    QCOMPARE(paragraphs[2].count(QStringLiteral(".  ")), 1); // two sentences
    QCOMPARE(paragraphs[3],
             QStringLiteral("To print a Page of Quillory, click on that window and use the File "
                            "> Print Setup and File > Print menu picks from the menu bar."));
    QVERIFY(paragraphs[4].startsWith(QStringLiteral("Icon Credit:")));
}

void HelpWindowTest::showHelpTwiceShowsOneWindow() {
    QVERIFY(helpWindows().isEmpty());
    Window1 &main = Window1::instance();
    trigger(main, "HelpShow");
    trigger(main, "HelpShow");
    QCOMPARE(helpWindows().size(), 1);
    Help *first = helpWindows().first();
    QVERIFY(first->isVisible());
    QCOMPARE(&Help::instance(), first);

    // Once closed, the next Show Help brings a fresh window with the same text.
    first->Close();
    QVERIFY(helpWindows().isEmpty());
    trigger(main, "HelpShow");
    QCOMPARE(helpWindows().size(), 1);
    QVERIFY(helpWindows().first() != first);
    QVERIFY(helpWindows().first()->isVisible());
    QCOMPARE(helpWindows().first()->TextArea1().Text(), helpText());
}

void HelpWindowTest::printHelpOpensAndClosesTheHelpWindowAsChosen_data() {
    QTest::addColumn<bool>("fromHelpWindow");
    QTest::addColumn<bool>("helpOpenBefore");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<bool>("helpOpenAfter");
    // From the help window's bar, only its own handler runs, and it always closes the window.
    QTest::newRow("help window, cancelled") << true << true << true << false;
    QTest::newRow("help window, printed") << true << true << false << false;
    // From the main window's bar, the application's handler never closes the help window and
    // opens one only when a printer was chosen.
    QTest::newRow("main window, cancelled, no help") << false << false << true << false;
    QTest::newRow("main window, cancelled, help open") << false << true << true << true;
    QTest::newRow("main window, printed, no help") << false << false << false << true;
    QTest::newRow("main window, printed, help open") << false << true << false << true;
}

void HelpWindowTest::printHelpOpensAndClosesTheHelpWindowAsChosen() {
    QFETCH(bool, fromHelpWindow);
    QFETCH(bool, helpOpenBefore);
    QFETCH(bool, cancelled);
    QFETCH(bool, helpOpenAfter);

    Window1 &main = Window1::instance();
    Help *before = helpOpenBefore ? &Help::instance() : nullptr;
    int dialogs = 0;
    bool helpOpenAtDialog = false;
    std::shared_ptr<const QList<GraphicsCall>> recording;
    fw::setPrinterDialogForTesting([&]() -> std::unique_ptr<fw::Graphics> {
        ++dialogs;
        helpOpenAtDialog = !helpWindows().isEmpty();
        if (cancelled)
            return nullptr;
        auto g = std::make_unique<RecordingGraphics>(QSizeF(540, 720));
        recording = g->recording();
        return g;
    });

    trigger(fromHelpWindow ? static_cast<fw::Window &>(*before) : main, "FilePrintHelp");

    QCOMPARE(dialogs, 1);
    QCOMPARE(helpOpenAtDialog, helpOpenBefore);
    QCOMPARE(recording != nullptr, !cancelled);
    if (recording) {
        QStringList printed;
        for (const GraphicsCall &block : textBlocks(*recording))
            printed << block.lines;
        QCOMPARE(wordsOf(printed.join(u' ')), wordsOf(helpText()));
        QCOMPARE(recording->last().kind, GraphicsCall::Release);
    }
    const QList<Help *> after = helpWindows();
    QCOMPARE(after.size(), helpOpenAfter ? 1 : 0);
    if (helpOpenAfter) {
        QVERIFY(after.first()->isVisible());
        if (before)
            QCOMPARE(after.first(), before);
    }
    QVERIFY(main.isVisible() && !main.isClosed());
}
