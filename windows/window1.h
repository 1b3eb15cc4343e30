#pragma once

#include "engine/handtables.h"
#include "framework/ui/controls.h"
#include "framework/ui/window.h"

namespace fw {
class ListboxView;
}

// The main window, "Your Bridge Hand": the hand on show as four summary rows in
// Results, "New Hand" and "Show Page of Hands". It owns the ten lists of the two
// hand tables; only Results has a view, the others are the deal's working lists
// and are never seen. The lists (the HandTables base) are destroyed before the
// window's child widgets (the fw::Window base): the Results view copes, as a
// list and its watcher let go of each other whichever goes first.
class Window1 : public fw::Window, public HandTables {
    Q_OBJECT
public:
    // The window's one instance, made on first use.
    static Window1 &instance() { return fw::implicitInstance<Window1>(); }

    Window1();

    void Refresh(bool eraseBackground) override { fw::Window::Refresh(eraseBackground); }

    fw::PushButton &NewHand() const { return control<fw::PushButton>(QStringLiteral("NewHand")); }
    fw::PushButton &PageOfHands() const {
        return control<fw::PushButton>(QStringLiteral("PageOfHands"));
    }
    fw::ListboxView &ResultsView() const;

    // Control events.
    bool Spades_SortColumn(int column);
    bool Hearts_SortColumn(int column);
    bool Diamonds_SortColumn(int column);
    void Clubs_Open();
    void NewHand_Action();
    void PageOfHands_Action();
    bool Spades2_SortColumn(int column);
    bool Hearts2_SortColumn(int column);
    bool Diamonds2_SortColumn(int column);
    void Clubs2_Open();

    // Menu handlers.
    bool _HelpShow_Action();
    bool _HelpAbout_Action();
    bool _CheckforUpdateCheckNow_Action();


protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Event_Close() override;

private:
    void _CreateControls0();
    // Binds a list's events to this window's handlers and raises its Open event.
    void openList(fw::Listbox &list, bool (Window1::*sortColumn)(int), void (Window1::*open)());
};
