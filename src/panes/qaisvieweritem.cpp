#include "panes/qaisvieweritem.h"

#include "document/domtext.h"
#include "document/qadocumenteditor.h"
#include "document/qarenamedelegate.h"
#include "document/zynformat.h"
#include "panes/qaisviewer.h"

#include <QTreeWidget>

using namespace Zyn;

QAIsViewerItem::QAIsViewerItem(QAIsViewer *owner, const QDomElement &element)
    : QTreeWidgetItem(owner->keyList(), UserType)
    , m_ownerViewer(owner)
    , m_element(element)
{
    setText(0, QAIsKeys::keyName(element));
    setText(1, QAIsKeys::keyValue(element));
}

bool QAIsViewerItem::renameEnabled(int column) const
{
    return column >= 0 && column < 2 && m_renameEnabled[column];
}

void QAIsViewerItem::setRenameEnabled(int column, bool enabled)
{
    if (column < 0 || column >= 2)
        return;
    m_renameEnabled[column] = enabled;
    // The view opens editors only on editable rows; the column is checked in startRename().
    if (m_renameEnabled[0] || m_renameEnabled[1])
        setFlags(flags() | Qt::ItemIsEditable);
    else
        setFlags(flags() & ~Qt::ItemIsEditable);
}

void QAIsViewerItem::startRename(int column)
{
    if (!renameEnabled(column) || m_ownerViewer->renameDelegate()->isEditing())
        return;
    m_ownerViewer->setButtonsEnabled(false);
    m_ownerViewer->openEditor(this, column);
    if (!m_ownerViewer->renameDelegate()->isEditing()) {
        m_ownerViewer->setButtonsEnabled(true);
        return;
    }
    // Even an edit cancelled later counts as a change.
    m_ownerViewer->setModified(true);
    m_renameColumn = column;
}

void QAIsViewerItem::okRename(int column)
{
    if (isEditing()) {
        // The delegate reports the commit, which comes back here with the text in the row.
        m_ownerViewer->renameDelegate()->commitOpenEditor();
        return;
    }
    QADocumentEditor *door = QADocumentEditor::of(m_element);
    const QString key = QAIsKeys::keyName(m_element);
    if (column == 0 && m_element.tagName() == Tag::IniField)
        door->setText(m_element, Tag::Key, text(0), QADocumentEditor::Step,
                      QAIsViewer::tr("Renamed key %1 to %2").arg(key, text(0)));
    else if (column == 1)
        door->setText(m_element, Tag::ValueText, text(1), QADocumentEditor::Step,
                      QAIsViewer::tr("Changed the value of %1").arg(key));
    m_ownerViewer->setButtonsEnabled(true);
    // The comment's title names the key.
    if (column == 0 && treeWidget() && treeWidget()->currentItem() == this)
        m_ownerViewer->updateItem(this);
}

void QAIsViewerItem::cancelRename(int)
{
    if (isEditing()) {
        m_ownerViewer->renameDelegate()->cancelOpenEditor();
        return;
    }
    m_ownerViewer->setButtonsEnabled(true);
}

bool QAIsViewerItem::isEditing()
{
    const QARenameDelegate *delegate = m_ownerViewer->renameDelegate();
    return delegate->isEditing() && treeWidget()
        && delegate->editingIndex().row() == treeWidget()->indexOfTopLevelItem(this);
}
