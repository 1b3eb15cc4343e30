#pragma once

#include <QTableView>

namespace fw {

class Listbox;
class ListboxModel;

// Shows a Listbox model: no heading, dotted grid lines, a vertical scroll bar only
// when needed, no horizontal one, one row selectable, nothing editable.
class ListboxView : public QTableView {
    Q_OBJECT
public:
    explicit ListboxView(Listbox &list, QWidget *parent = nullptr);
    ~ListboxView() override;

    // Column widths as the design writes them, e.g. "30%,70%" of the list's width.
    void setColumnWidths(const QString &widths);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyColumnWidths();

    ListboxModel *model_;
    QList<double> fractions_;
};

} // namespace fw
