#include "engine/handtables.h"

#include "framework/core/exceptions.h"

void HandTables::Refresh(bool) {
    ++refreshCount;
}

void sortOnSortLetters(fw::Listbox &list) {
    list.setSortedColumn(1);
    list.setColumnSortDirection(1, fw::Listbox::Ascending);
}

void wireSuitListsAsTheMainWindowDoes(HandTables &t) {
    for (fw::Listbox *list :
         {&t.Spades(), &t.Hearts(), &t.Diamonds(), &t.Spades2(), &t.Hearts2(), &t.Diamonds2()})
        list->SortColumnHandler = [list](int) {
            sortOnSortLetters(*list);
            return false;
        };
    sortOnSortLetters(t.Clubs());
    sortOnSortLetters(t.Clubs2());
}

namespace Module1 {

namespace {
HandTables &(*windowAccessor)() = nullptr;
}

void setWindowAccessor(HandTables &(*accessor)()) {
    windowAccessor = accessor;
}

HandTables &Window1() {
    if (!windowAccessor)
        throw fw::NilObjectException("the main window is not available");
    return windowAccessor();
}

} // namespace Module1
