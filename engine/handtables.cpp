#include "engine/handtables.h"

#include "framework/core/exceptions.h"

void sortOnSortLetters(fw::Listbox &list) {
    list.setSortedColumn(1);
    list.setColumnSortDirection(1, fw::Listbox::Ascending);
}

HandTables::HandTables() {
    // As the main window wires them: the clubs lists are set up once when they open,
    // the others again at every sort request.
    for (fw::Listbox *list : {&spades_, &hearts_, &diamonds_, &spades2_, &hearts2_, &diamonds2_})
        list->SortColumnHandler = [list](int) {
            sortOnSortLetters(*list);
            return false;
        };
    sortOnSortLetters(clubs_);
    sortOnSortLetters(clubs2_);
}

namespace Module1 {

namespace {
HandTableHost &(*windowAccessor)() = nullptr;
}

void setWindowAccessor(HandTableHost &(*accessor)()) { windowAccessor = accessor; }

HandTableHost &Window1() {
    if (!windowAccessor)
        throw fw::NilObjectException("the main window is not available");
    return windowAccessor();
}

} // namespace Module1
