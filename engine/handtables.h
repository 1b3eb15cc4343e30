#pragma once

#include "framework/core/listbox.h"

// The two hand tables of the main window: the ten lists that a deal works on.
// The main window derives from this class and adds the view of Results; the
// engine finds the window afresh for every operation through the accessor that
// start-up installs, so no include runs from the engine up to the windows and
// the engine can work with no window at all.
class HandTables {
public:
    virtual ~HandTables() = default;

    // Hand table 1: the hand the user sees.
    fw::Listbox &Spades() { return spades_; }
    fw::Listbox &Hearts() { return hearts_; }
    fw::Listbox &Diamonds() { return diamonds_; }
    fw::Listbox &Clubs() { return clubs_; }
    fw::Listbox &Results() { return results_; }
    // Hand table 2: scratch space for the page of eight hands.
    fw::Listbox &Spades2() { return spades2_; }
    fw::Listbox &Hearts2() { return hearts2_; }
    fw::Listbox &Diamonds2() { return diamonds2_; }
    fw::Listbox &Clubs2() { return clubs2_; }
    fw::Listbox &Results2() { return results2_; }

    // Asks for the window to be redrawn, so that Results shows its current rows.
    virtual void Refresh(bool eraseBackground) = 0;

private:
    fw::Listbox spades_{2}, hearts_{2}, diamonds_{2}, clubs_{2}, results_{2};
    fw::Listbox spades2_{2}, hearts2_{2}, diamonds2_{2}, clubs2_{2}, results2_{2};
};

// Sets a list up to sort on its sort letters (column 1), ascending: Ace first.
void sortOnSortLetters(fw::Listbox &list);

namespace Module1 {
// Installs the accessor through which the engine finds the main window. Start-up
// installs the real one; a test may install its own.
void setWindowAccessor(HandTables &(*accessor)());
// The main window as the engine sees it; raises NilObjectException when no
// accessor is installed.
HandTables &Window1();
} // namespace Module1
