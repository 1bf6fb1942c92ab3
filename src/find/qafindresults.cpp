#include "find/qafindresults.h"

#include <QHeaderView>
#include <QSignalBlocker>

QAFindResults::QAFindResults(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("findInDocumentResults"));
    setAccessibleName(tr("Matches in the document"));
    setColumnCount(3);
    setHeaderLabels({ tr("Node"), tr("Field"), tr("Line") });
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTextElideMode(Qt::ElideMiddle);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { Q_EMIT matchActivated(indexOfTopLevelItem(item)); });
}

void QAFindResults::setMatches(const QList<QASearchMatch> &matches,
                               const QList<QASearchNode> &nodes)
{
    clear();
    QList<QTreeWidgetItem *> rows;
    rows.reserve(matches.size());
    for (const QASearchMatch &match : matches) {
        // Line breaks and tabs of a cut line would break the row.
        QString line = match.line;
        line.replace(QLatin1Char('\t'), QLatin1Char(' '));
        rows.append(new QTreeWidgetItem(
            { nodes.value(match.node).path, fieldName(match), line.trimmed() }));
    }
    addTopLevelItems(rows);
    if (!rows.isEmpty()) {
        resizeColumnToContents(0);
        resizeColumnToContents(1);
    }
}

void QAFindResults::setCurrentMatch(int index)
{
    const QSignalBlocker blocker(this);
    QTreeWidgetItem *row = topLevelItem(index);
    setCurrentItem(row);
    if (row)
        scrollToItem(row);
}

QString QAFindResults::fieldName(const QASearchMatch &match)
{
    const QString kind = kindName(match.field.kind);
    return match.subject.isEmpty() ? kind : tr("%1 (%2)").arg(kind, match.subject);
}

QString QAFindResults::kindName(QAFieldRef::Kind kind)
{
    switch (kind) {
    case QAFieldRef::NodeText:
        return tr("Name");
    case QAFieldRef::Comment:
        return tr("Comment");
    case QAFieldRef::Text:
        return tr("Text");
    case QAFieldRef::Prototype:
        return tr("Prototype");
    case QAFieldRef::Tail:
        return tr("Closing line");
    case QAFieldRef::KeyName:
        return tr("Key");
    case QAFieldRef::KeyValue:
    case QAFieldRef::MacroValue:
        return tr("Value");
    case QAFieldRef::MacroName:
        return tr("Macro");
    case QAFieldRef::MacroSwitch:
        return tr("Switch");
    case QAFieldRef::ChoiceName:
        return tr("Choice");
    case QAFieldRef::ChoiceEntry:
        return tr("Alternative");
    case QAFieldRef::TabLabel:
        return tr("Tab");
    }
    return QString();
}
