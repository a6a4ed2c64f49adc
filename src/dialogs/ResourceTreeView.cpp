#include "dialogs/ResourceTreeView.h"

#include "common/VirtualKeys.h"
#include "resources/ResourceManager.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStandardItemModel>

CResourceTreeView::CResourceTreeView(CResourceManager& manager, QWidget* parent)
    : QTreeView(parent), m_manager(manager)
{
    setModel(&manager.tree);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The right button is the tree control's own: nothing else offers a menu here.
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(&manager.tree, &QAbstractItemModel::rowsInserted, this, &CResourceTreeView::ExpandInserted);
    expandAll();
}

QStyleOptionViewItem CResourceTreeView::ItemOption(const QModelIndex& index) const
{
    // Laid out as the view's delegate lays the item out when it paints it.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.index = index;
    option.text = index.data(Qt::DisplayRole).toString();
    option.features |= QStyleOptionViewItem::HasDisplay;
    const QIcon icon = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
    if (!icon.isNull()) {
        option.icon = icon;
        option.features |= QStyleOptionViewItem::HasDecoration;
        option.decorationSize = icon.actualSize(option.decorationSize);
    }
    return option;
}

QRect CResourceTreeView::IconRect(const QModelIndex& index) const
{
    if (!index.isValid())
        return QRect();
    const QStyleOptionViewItem option = ItemOption(index);
    if (!option.features.testFlag(QStyleOptionViewItem::HasDecoration))
        return QRect();
    return style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
}

QRect CResourceTreeView::LabelRect(const QModelIndex& index) const
{
    if (!index.isValid())
        return QRect();
    const QStyleOptionViewItem option = ItemOption(index);
    // The style gives the text the rest of the row; the label is the text
    // itself with the margin the style draws on each side of it.
    const QRect row = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int width = option.fontMetrics.horizontalAdvance(option.text) + 2 * margin;
    return QRect(row.left(), row.top(), qMin(width, row.width()), row.height());
}

QStandardItem* CResourceTreeView::SelectedItem() const
{
    const QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    return selected.isEmpty() ? nullptr : m_manager.tree.itemFromIndex(selected.constFirst());
}

TreeClick CResourceTreeView::ClickAt(const QPoint& viewportPoint) const
{
    TreeClick click;
    click.selected = SelectedItem();
    const QModelIndex index = indexAt(viewportPoint);
    if (!index.isValid())
        return click;
    click.item = m_manager.tree.itemFromIndex(index);
    const QRect label = LabelRect(index);
    click.onLabelOrIcon = label.contains(viewportPoint) || IconRect(index).contains(viewportPoint);
    // The popup opens at the right end of the label, level with its top.
    const QPoint control = mapToGlobal(QPoint(0, 0));
    click.popupX = control.x() + label.left() + label.width();
    click.popupY = control.y() + label.top();
    return click;
}

void CResourceTreeView::mousePressEvent(QMouseEvent* event)
{
    const TreeClick click = ClickAt(event->position().toPoint());
    bool proceed = true;
    if (event->button() == Qt::LeftButton)
        proceed = m_manager.treeCtrl.LeftButtonDown(click);
    else if (event->button() == Qt::RightButton)
        proceed = m_manager.treeCtrl.RightButtonDown(click);
    if (proceed)
        QTreeView::mousePressEvent(event);
    else
        event->accept();
    Done();
}

void CResourceTreeView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Only the left button's double click means something to the tree; the
    // other buttons' second press is not a new press.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    if (m_manager.treeCtrl.DoubleClick(ClickAt(event->position().toPoint())))
        QTreeView::mouseDoubleClickEvent(event);
    Done();
}

void CResourceTreeView::keyPressEvent(QKeyEvent* event)
{
    bool proceed = true;
    if (event->key() == Qt::Key_Delete)
        proceed = m_manager.treeCtrl.KeyDown(VK_DELETE, SelectedItem());
    if (proceed)
        QTreeView::keyPressEvent(event);
    Done();
}

void CResourceTreeView::ExpandInserted(const QModelIndex& parent, int first, int last)
{
    for (QModelIndex above = parent; above.isValid(); above = above.parent())
        expand(above);
    for (int row = first; row <= last; ++row)
        expandRecursively(m_manager.tree.index(row, 0, parent));
}

void CResourceTreeView::Done()
{
    if (afterEvent)
        afterEvent();
}
