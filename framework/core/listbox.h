#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

namespace fw {

class Listbox;

// Follows the rows of one list, as the model behind a view does. A list and its watcher may be
// destroyed in either order: whichever goes first lets go of the other, so neither is ever
// reached through a dangling reference.
class ListboxWatcher {
public:
    ListboxWatcher() = default;
    ListboxWatcher(const ListboxWatcher &) = delete;
    ListboxWatcher &operator=(const ListboxWatcher &) = delete;

    // Called after every change of the rows, and once more when the list is destroyed or another
    // watcher takes this one's place (watched() is then already nullptr).
    virtual void listChanged() = 0;

    // Starts following a list (nullptr: none). A list has one watcher at a time; a new one
    // takes the place of the last, which is told.
    void watch(Listbox *list);
    Listbox *watched() const { return list_; }

protected:
    virtual ~ListboxWatcher() { watch(nullptr); }

private:
    friend class Listbox;
    Listbox *list_ = nullptr;
};

// The list box of the runtime as a model: rows of text cells, sorted on request by
// one column. It needs no widget; a view follows it through a ListboxWatcher.
class Listbox {
public:
    enum Direction { Descending = -1, NoSort = 0, Ascending = 1 };

    explicit Listbox(int columnCount = 1);
    ~Listbox();
    Listbox(const Listbox &) = delete;
    Listbox &operator=(const Listbox &) = delete;

    int ColumnCount() const { return columns_; }
    int ListCount() const { return rows_; }

    // Appends one row; the first text goes into column 0, the next into column 1,
    // and so on. Cells without a text stay empty, texts past the last column are
    // dropped.
    void AddRow(const QString &text);
    void AddRow(QString &&text);
    void AddRow(std::initializer_list<QString> texts);

    // Reading a cell outside the rows and columns gives the empty text; writing one
    // changes nothing.
    const QString &Cell(int row, int column) const {
        if (row < 0 || row >= rows_ || column < 0 || column >= columns_)
            return emptyCell_;
        return cells_[std::size_t(row) * std::size_t(columns_) + std::size_t(column)];
    }
    void setCell(int row, int column, const QString &text);

    void DeleteAllRows();

    int SortedColumn() const { return sortedColumn_; }
    void setSortedColumn(int column) { sortedColumn_ = column; }
    int ColumnSortDirection(int column) const;
    void setColumnSortDirection(int column, int direction);

    // Acts as a click on the heading of a column: raises SortColumn for it and,
    // unless the handler returns true, sorts the rows by the texts of the sorted
    // column in that column's direction, compared as QString::compare does (by
    // UTF-16 code unit, case-sensitive). Equal texts keep their order.
    void PressHeader(int column);
    // Sorts by the sorted column now, without raising SortColumn.
    void Sort();

    // The events of the list. SortColumn returns true when it has done the sorting
    // itself. Open is raised by the window that creates the list.
    std::function<bool(int column)> SortColumnHandler;
    std::function<void()> OpenHandler;
    void RaiseOpen();

private:
    friend class ListboxWatcher;

    void notify() {
        if (watcher_)
            watcher_->listChanged();
    }

    // What Cell gives outside the rows and columns. Cell is inline because a deal
    // reads about two hundred cells.
    static inline const QString emptyCell_;

    int columns_;
    int rows_ = 0;
    int sortedColumn_ = -1;
    std::vector<int> directions_;
    std::vector<QString> cells_;   // row after row, columns_ cells each
    ListboxWatcher *watcher_ = nullptr;
};

} // namespace fw
