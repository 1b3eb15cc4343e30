#include "framework/ui/listboxview.h"

#include "framework/core/listbox.h"

#include <QAbstractTableModel>
#include <QHeaderView>

namespace fw {

// Presents a Listbox to Qt's views. The rows of a list change a few at a time
// and are few, so every change simply resets the model. The list may be
// destroyed before the view (a window's lists and its child widgets are torn
// down in an order of their own): the model then shows no rows.
class ListboxModel : public QAbstractTableModel, public ListboxWatcher {
public:
    explicit ListboxModel(Listbox &list, QObject *parent) : QAbstractTableModel(parent) {
        watch(&list);
    }

    void listChanged() override {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex &parent) const override {
        return parent.isValid() || !watched() ? 0 : watched()->ListCount();
    }
    int columnCount(const QModelIndex &parent) const override {
        return parent.isValid() || !watched() ? 0 : watched()->ColumnCount();
    }
    QVariant data(const QModelIndex &index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || !watched())
            return QVariant();
        return watched()->Cell(index.row(), index.column());
    }
};

ListboxView::ListboxView(Listbox &list, QWidget *parent)
    : QTableView(parent), model_(new ListboxModel(list, this)) {
    setModel(model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setShowGrid(true);
    setGridStyle(Qt::DotLine);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setDragEnabled(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    // Four rows fill the summary list exactly: the design height less the frame.
    verticalHeader()->setDefaultSectionSize(16);
}

ListboxView::~ListboxView() = default;

void ListboxView::setColumnWidths(const QString &widths) {
    fractions_.clear();
    for (const QString &part : widths.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QString text = part.trimmed();
        if (text.endsWith(QLatin1Char('%')))
            text.chop(1);
        fractions_ << text.toDouble() / 100.0;
    }
    applyColumnWidths();
}

void ListboxView::resizeEvent(QResizeEvent *event) {
    QTableView::resizeEvent(event);
    applyColumnWidths();
}

void ListboxView::applyColumnWidths() {
    const int total = viewport()->width();
    int used = 0;
    for (int c = 0; c < fractions_.size() && c < model_->columnCount(QModelIndex()); ++c) {
        // The last column takes what is left, so rounding leaves no gap.
        const bool last = c == fractions_.size() - 1;
        const int width = last ? total - used : int(total * fractions_[c] + 0.5);
        setColumnWidth(c, width);
        used += width;
    }
}

} // namespace fw
