#pragma once
// The tree control of the resource manager dialogs: a tree view over the
// manager's tree that reports every press, double click and Delete key to the
// manager's tree control, with what lies under the point, and lets the view's
// own handling follow only when the tree control says so.
#include "resources/ResourceTreeCtrl.h"

#include <QTreeView>

#include <functional>

class CResourceManager;

class CResourceTreeView : public QTreeView {
    Q_OBJECT
public:
    CResourceTreeView(CResourceManager& manager, QWidget* parent = nullptr);

    // What a click at a point of the viewport hits, as the tree control takes it.
    TreeClick ClickAt(const QPoint& viewportPoint) const;
    // The rectangles of an item's image and of its text (the text's own
    // width, not the rest of the row), in viewport coordinates.
    QRect IconRect(const QModelIndex& index) const;
    QRect LabelRect(const QModelIndex& index) const;

    // Called after every event the tree control has seen.
    std::function<void()> afterEvent;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QStyleOptionViewItem ItemOption(const QModelIndex& index) const;
    QStandardItem* SelectedItem() const;
    // Keeps every folder open, so that what the tree holds, and what was just
    // added to it, can be seen.
    void ExpandInserted(const QModelIndex& parent, int first, int last);
    void Done();

    CResourceManager& m_manager;
};
