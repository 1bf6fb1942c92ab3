#include "find/qafindresults.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QSignalBlocker>

// The rows of the results list, read from the matches as the view asks for them.
class QAFindResultsModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setMatches(const QList<QASearchMatch> &matches, const QList<QASearchNode> &nodes)
    {
        beginResetModel();
        m_matches = matches;
        m_nodes = nodes;
        endResetModel();
    }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_matches.size());
    }

    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : 3; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || index.row() >= m_matches.size())
            return QVariant();
        const QASearchMatch &match = m_matches.at(index.row());
        switch (index.column()) {
        case 0:
            return m_nodes.value(match.node).path;
        case 1:
            return QAFindResults::fieldName(match);
        default:
            // Tabs and the ends of a cut line would only widen the row.
            return QString(match.line).replace(QLatin1Char('\t'), QLatin1Char(' ')).trimmed();
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QVariant();
        switch (section) {
        case 0:
            return QAFindResults::tr("Node");
        case 1:
            return QAFindResults::tr("Field");
        default:
            return QAFindResults::tr("Line");
        }
    }

private:
    QList<QASearchMatch> m_matches;
    QList<QASearchNode> m_nodes;
};

QAFindResults::QAFindResults(QWidget *parent)
    : QTreeView(parent)
    , m_model(new QAFindResultsModel(this))
{
    setObjectName(QStringLiteral("findInDocumentResults"));
    setAccessibleName(tr("Matches in the document"));
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setTextElideMode(Qt::ElideMiddle);
    // Fixed starting widths: measuring every row of a long list would cost more than the search.
    header()->setStretchLastSection(true);
    header()->resizeSection(0, 320);
    header()->resizeSection(1, 180);
    connect(this, &QTreeView::activated, this,
            [this](const QModelIndex &index) { Q_EMIT matchActivated(index.row()); });
}

void QAFindResults::setMatches(const QList<QASearchMatch> &matches,
                               const QList<QASearchNode> &nodes)
{
    m_model->setMatches(matches, nodes);
}

void QAFindResults::setCurrentMatch(int index)
{
    const QModelIndex row = m_model->index(index, 0);
    const QSignalBlocker blocker(this);
    setCurrentIndex(row);
    if (row.isValid())
        scrollTo(row);
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
