#include "windows/window1.h"

#include "app/app.h"
#include "app/menubars.h"
#include "engine/module1.h"
#include "framework/ui/listboxview.h"
#include "update/aboutbox.h"
#include "update/selftest.h"
#include "windows/help.h"
#include "windows/window2.h"

Window1::Window1() = default;

void Window1::Layout() {
    setWindowMenuBar(&MenuBar1::instance());
    setDesign(QStringLiteral("Your Bridge Hand"), 310, 142);
}

void Window1::CreateControls() {
    _CreateControls0();
}

void Window1::openList(fw::Listbox &list, bool (Window1::*sortColumn)(int),
                       void (Window1::*open)()) {
    if (sortColumn)
        list.SortColumnHandler = [this, sortColumn](int column) {
            bool result = false;
            runAction([&] { result = (this->*sortColumn)(column); });
            return result;
        };
    if (open)
        list.OpenHandler = [this, open] { (this->*open)(); };
    list.RaiseOpen();
}

void Window1::_CreateControls0() {
    // In design order. The working lists have no view: they stand below and to the
    // right of the visible area in the design, where the user never sees them.
    openList(Spades(), &Window1::Spades_SortColumn, nullptr);
    openList(Hearts(), &Window1::Hearts_SortColumn, nullptr);
    openList(Diamonds(), &Window1::Diamonds_SortColumn, nullptr);
    openList(Clubs(), nullptr, &Window1::Clubs_Open);

    auto *results =
        addControl(new fw::ListboxView(Results()), QStringLiteral("Results"), 20, 20, 270, 66);
    results->setColumnWidths(QStringLiteral("30%,70%"));
    openList(Results(), nullptr, nullptr);

    auto *newHand = addControl(new fw::PushButton(QStringLiteral("New Hand")),
                               QStringLiteral("NewHand"), 20, 102, 94, 20);
    newHand->setFont(fw::designFont(QStringLiteral("System"), 0, true));
    setDefaultButton(newHand);
    bindAction(newHand, [this] { NewHand_Action(); });

    auto *pageOfHands = addControl(new fw::PushButton(QStringLiteral("Show Page of Hands")),
                                   QStringLiteral("PageOfHands"), 125, 102, 165, 20);
    pageOfHands->setFont(fw::designFont(QStringLiteral("System"), 0, true));
    bindAction(pageOfHands, [this] { PageOfHands_Action(); });

    openList(Spades2(), &Window1::Spades2_SortColumn, nullptr);
    openList(Hearts2(), &Window1::Hearts2_SortColumn, nullptr);
    openList(Diamonds2(), &Window1::Diamonds2_SortColumn, nullptr);
    openList(Clubs2(), nullptr, &Window1::Clubs2_Open);
    openList(Results2(), nullptr, nullptr);
}

fw::ListboxView &Window1::ResultsView() const {
    return control<fw::ListboxView>(QStringLiteral("Results"));
}

// Whatever column is pressed, the suit lists sort on their sort letters,
// ascending: Ace first, down to 2.
bool Window1::Spades_SortColumn(int) {
    sortOnSortLetters(Spades());
    return false;
}

bool Window1::Hearts_SortColumn(int) {
    sortOnSortLetters(Hearts());
    return false;
}

bool Window1::Diamonds_SortColumn(int) {
    sortOnSortLetters(Diamonds());
    return false;
}

// The clubs lists have no sort handler: they are set up once, when they open.
void Window1::Clubs_Open() {
    sortOnSortLetters(Clubs());
}

bool Window1::Spades2_SortColumn(int) {
    sortOnSortLetters(Spades2());
    return false;
}

bool Window1::Hearts2_SortColumn(int) {
    sortOnSortLetters(Hearts2());
    return false;
}

bool Window1::Diamonds2_SortColumn(int) {
    sortOnSortLetters(Diamonds2());
    return false;
}

void Window1::Clubs2_Open() {
    sortOnSortLetters(Clubs2());
}

void Window1::NewHand_Action() {
    Module1::ClearTables();
    Module1::MakeHand();
}

// Deals eight hands through table 2 into the page holdings and shows them on the page window,
// put back in its place. The hand on show in Results is left alone.
void Window1::PageOfHands_Action() {
    Window2 &page = Window2::instance();
    page.setTop(50);
    page.setLeft(330);
    page.setHeight(Module1::Window2Height);
    page.setWidth(Module1::Window2Width);
    for (int n = 0; n < 8; ++n) {
        Module1::MakeHand2();
        const fw::Listbox &summary = Results2();
        Module1::SpadesOfHand[n] = summary.Cell(0, 1);
        Module1::HeartsOfHand[n] = summary.Cell(1, 1);
        Module1::DiamondsOfHand[n] = summary.Cell(2, 1);
        Module1::ClubsOfHand[n] = summary.Cell(3, 1);
    }
    page.Show();
    page.Refresh(true);
}

void Window1::AddMenuHandlers() {
    AddMenuHandler(QStringLiteral("HelpShow"), [this] { return _HelpShow_Action(); });
    AddMenuHandler(QStringLiteral("HelpAbout"), [this] { return _HelpAbout_Action(); });
    AddMenuHandler(QStringLiteral("CheckforUpdateCheckNow"),
                   [this] { return _CheckforUpdateCheckNow_Action(); });
}

// Each shows its one window and lets the application's handler (where there is
// one) run too.
bool Window1::_HelpShow_Action() {
    return fw::showInstance<Help>();
}

bool Window1::_HelpAbout_Action() {
    return fw::showInstance<AboutBox>();
}

bool Window1::_CheckforUpdateCheckNow_Action() {
    return fw::showInstance<selfTest>();
}

void Window1::Event_Close() {
    App::instance().Quit(0);
}
