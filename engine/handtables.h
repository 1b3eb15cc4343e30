#pragma once

#include "framework/core/listbox.h"

// How the deal engine reaches its two hand tables. The main window owns the lists
// (it shows Results); the engine asks for the window afresh for every operation
// through the accessor that start-up installs, so no include runs from the engine
// up to the windows and the engine can work with no window at all.
class HandTableHost {
public:
    virtual ~HandTableHost() = default;

    // Hand table 1: the hand the user sees.
    virtual fw::Listbox &Spades() = 0;
    virtual fw::Listbox &Hearts() = 0;
    virtual fw::Listbox &Diamonds() = 0;
    virtual fw::Listbox &Clubs() = 0;
    virtual fw::Listbox &Results() = 0;
    // Hand table 2: scratch space for the page of eight hands.
    virtual fw::Listbox &Spades2() = 0;
    virtual fw::Listbox &Hearts2() = 0;
    virtual fw::Listbox &Diamonds2() = 0;
    virtual fw::Listbox &Clubs2() = 0;
    virtual fw::Listbox &Results2() = 0;

    // Redraws the window so that Results shows its current rows.
    virtual void Refresh(bool eraseBackground) = 0;
};

// The ten lists of both tables as plain models, set up as the main window sets up
// its own: two columns each, every suit list sorting on column 1 ascending when its
// heading is pressed. The main window builds on it; benchmarks and tests use it
// as it is.
class HandTables : public HandTableHost {
public:
    HandTables();

    fw::Listbox &Spades() override { return spades_; }
    fw::Listbox &Hearts() override { return hearts_; }
    fw::Listbox &Diamonds() override { return diamonds_; }
    fw::Listbox &Clubs() override { return clubs_; }
    fw::Listbox &Results() override { return results_; }
    fw::Listbox &Spades2() override { return spades2_; }
    fw::Listbox &Hearts2() override { return hearts2_; }
    fw::Listbox &Diamonds2() override { return diamonds2_; }
    fw::Listbox &Clubs2() override { return clubs2_; }
    fw::Listbox &Results2() override { return results2_; }
    void Refresh(bool) override { ++refreshCount; }

    // How often the engine asked for a redraw.
    long long refreshCount = 0;

private:
    fw::Listbox spades_{2}, hearts_{2}, diamonds_{2}, clubs_{2}, results_{2};
    fw::Listbox spades2_{2}, hearts2_{2}, diamonds2_{2}, clubs2_{2}, results2_{2};
};

// Sets a list up the way the suit lists' handlers do: sorted on column 1, ascending.
void sortOnSortLetters(fw::Listbox &list);

namespace Module1 {
// Installs the accessor through which the engine finds the main window. Start-up
// installs the real one; a test may install its own.
void setWindowAccessor(HandTableHost &(*accessor)());
// The main window as the engine sees it; raises NilObjectException when no
// accessor is installed.
HandTableHost &Window1();
} // namespace Module1
