#include "framework/core/listbox.h"

#include "framework/core/text.h"

#include <algorithm>
#include <utility>

namespace fw {

Listbox::Listbox(int columnCount)
    : columns_(std::max(columnCount, 1)), directions_(std::size_t(columns_), Ascending) {}

Listbox::~Listbox() {
    if (ListboxWatcher *watcher = watcher_) {
        watcher->list_ = nullptr;
        watcher->listChanged(); // the rows are gone
    }
}

void ListboxWatcher::watch(Listbox *list) {
    if (list_)
        list_->watcher_ = nullptr;
    list_ = list;
    if (!list)
        return;
    ListboxWatcher *displaced = std::exchange(list->watcher_, this);
    if (displaced) { // it no longer follows the list, and shows as much
        displaced->list_ = nullptr;
        displaced->listChanged();
    }
}

void Listbox::AddRow(const QString &text) {
    AddRow(QString(text));
}

void Listbox::AddRow(QString &&text) {
    cells_.push_back(std::move(text));
    for (int column = 1; column < columns_; ++column)
        cells_.emplace_back();
    ++rows_;
    notify();
}

void Listbox::AddRow(std::initializer_list<QString> texts) {
    const std::size_t first = cells_.size();
    cells_.resize(first + std::size_t(columns_));
    std::size_t column = 0;
    for (const QString &text : texts) {
        if (column == std::size_t(columns_))
            break;
        cells_[first + column++] = text;
    }
    ++rows_;
    notify();
}

void Listbox::setCell(int row, int column, const QString &text) {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_)
        return;
    cells_[std::size_t(row) * std::size_t(columns_) + std::size_t(column)] = text;
    notify();
}

void Listbox::DeleteAllRows() {
    if (rows_ == 0)
        return;
    cells_.clear(); // keeps the capacity for the next hand
    rows_ = 0;
    notify();
}

int Listbox::ColumnSortDirection(int column) const {
    if (column < 0 || column >= columns_)
        return NoSort;
    return directions_[std::size_t(column)];
}

void Listbox::setColumnSortDirection(int column, int direction) {
    if (column < 0 || column >= columns_)
        return;
    directions_[std::size_t(column)] = direction < 0   ? Descending
                                       : direction > 0 ? Ascending
                                                       : NoSort;
}

void Listbox::PressHeader(int column) {
    if (SortColumnHandler && SortColumnHandler(column))
        return;
    Sort();
}

void Listbox::Sort() {
    if (sortedColumn_ < 0 || sortedColumn_ >= columns_ || rows_ < 2)
        return;
    const int direction = directions_[std::size_t(sortedColumn_)];
    if (direction == NoSort)
        return;
    const std::size_t key = std::size_t(sortedColumn_);
    const std::size_t width = std::size_t(columns_);
    const auto before = [&](std::size_t a, std::size_t b) {
        const int c =
            codeUnits(cells_[a * width + key]).compare(codeUnits(cells_[b * width + key]));
        return direction == Ascending ? c < 0 : c > 0;
    };
    // An insertion sort: stable, in place, and the quickest for the few rows a list holds here
    // (thirteen at most); its cost grows with the square of the rows.
    for (std::size_t i = 1; i < std::size_t(rows_); ++i)
        for (std::size_t j = i; j > 0 && before(j, j - 1); --j)
            std::swap_ranges(cells_.begin() + std::ptrdiff_t(j * width),
                             cells_.begin() + std::ptrdiff_t((j + 1) * width),
                             cells_.begin() + std::ptrdiff_t((j - 1) * width));
    notify();
}

void Listbox::RaiseOpen() {
    if (OpenHandler)
        OpenHandler();
}

} // namespace fw
