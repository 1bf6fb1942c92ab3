#pragma once

#include <QDomElement>
#include <QTreeWidgetItem>

class QAIsViewer;

// One key of the basic-settings pane: its name in column 0, its value in column 1. Whether a
// column may be edited in place is decided per column here, since Qt's flag covers the whole row.
class QAIsViewerItem : public QTreeWidgetItem
{
public:
    // Appended after the last row of the pane's key list.
    QAIsViewerItem(QAIsViewer *owner, const QDomElement &element);

    QDomElement element() const { return m_element; }
    // Column of the last in-place edit started.
    int renameColumn() const { return m_renameColumn; }

    bool renameEnabled(int column) const;
    void setRenameEnabled(int column, bool enabled);

    // Opens the in-place editor on the column when it may be renamed.
    void startRename(int column);
    // Commits the open editor of this row, or, once its text is in the row, writes it into the
    // element.
    void okRename(int column);
    // Drops the open editor of this row.
    void cancelRename(int column);

private:
    bool isEditing();

    int m_renameColumn = 0;
    QAIsViewer *m_ownerViewer = nullptr;
    QDomElement m_element;
    bool m_renameEnabled[2] = { false, false };
};
