#pragma once

#include <QTreeWidget>

// The structure tree: shows the nodes and carries the structural edits of the document.
class QAZynEditorTree : public QTreeWidget
{
    Q_OBJECT

public:
    explicit QAZynEditorTree(QWidget *parent = nullptr, const QString &name = QString());

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Deletes every node; the document is not touched.
    void clearTree();

public Q_SLOTS:
    void deleteSelectedNode();

Q_SIGNALS:
    void statusMsg(const QString &text, int milliseconds);

private:
    bool m_modified = false;
};
