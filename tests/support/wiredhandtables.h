#pragma once

#include "engine/handtables.h"

// The two hand tables with no window, for the engine's tests and the benchmarks: the lists wired
// as the main window wires them (the clubs lists set up once, the others at every sort request);
// a redraw has nothing to draw. Header only, so that what uses it needs no widgets.
class WiredHandTables : public HandTables {
public:
    WiredHandTables() {
        for (fw::Listbox *list :
             {&Spades(), &Hearts(), &Diamonds(), &Spades2(), &Hearts2(), &Diamonds2()})
            list->SortColumnHandler = [list](int) {
                sortOnSortLetters(*list);
                return false;
            };
        sortOnSortLetters(Clubs());
        sortOnSortLetters(Clubs2());
    }

    void Refresh(bool) override {}
};
