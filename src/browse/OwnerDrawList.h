#pragma once

#include <QListView>

class ListModel;

// The list every file list of the program is made of: a view over its own ListModel, with
// multi-selection and the index-based selection calls the windows use.
class OwnerDrawList : public QListView
{
    Q_OBJECT

public:
    explicit OwnerDrawList(QWidget *parent = nullptr);

    ListModel *items() const { return m_model; }

    // The current entry, -1 when none. Setting it selects that entry alone and shows it.
    int ListIndex() const;
    void setListIndex(int index);

    bool Selected(int index) const;
    void setSelected(int index, bool selected);
    void SelectRange(bool selected, int first, int last);

    // The entry under a point of the viewport, -1 below the last entry.
    int ItemFromPoint(const QPoint &point) const;

private:
    ListModel *m_model = nullptr;
};
