#include "engine/handtables.h"

#include "framework/core/exceptions.h"

void sortOnSortLetters(fw::Listbox &list) {
    list.setSortedColumn(1);
    list.setColumnSortDirection(1, fw::Listbox::Ascending);
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
