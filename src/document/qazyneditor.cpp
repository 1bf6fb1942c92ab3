#include "document/qazyneditor.h"

#include "dialogs/qazyndocbrowser.h"
#include "document/qazyneditornode.h"
#include "document/qazyneditortree.h"
#include "panes/qazynviewer.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QVBoxLayout>

QAZynEditor::QAZynEditor(const QString &targetDirectory, QWidget *parent, const QString &name)
    : QAXmlEditor(parent, name)
{
    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("qazyneditor"));
    layout->setContentsMargins(0, 0, 0, 0);
    auto *horizontal = new QSplitter(Qt::Horizontal, this);
    horizontal->setObjectName(QStringLiteral("Horizontal splitter"));
    layout->addWidget(horizontal);

    m_editorTree = new QAZynEditorTree(horizontal, QStringLiteral("Editor Tree"));
    m_verticalSplitter = new QSplitter(Qt::Vertical, horizontal);
    m_verticalSplitter->setObjectName(QStringLiteral("Vertical splitter"));

    auto *docArea = new QWidget(m_verticalSplitter);
    docArea->setObjectName(QStringLiteral("doc Area"));
    auto *docLayout = new QVBoxLayout(docArea);
    docLayout->setContentsMargins(0, 0, 0, 0);
    auto *genArea = new QWidget(docArea);
    genArea->setObjectName(QStringLiteral("gen area"));
    auto *genLayout = new QHBoxLayout(genArea);
    genLayout->setContentsMargins(0, 0, 0, 0);
    genLayout->addWidget(new QLabel(tr("Generate in: "), genArea));
    m_generateInField = new QLineEdit(genArea);
    m_generateInField->setReadOnly(true);
    genLayout->addWidget(m_generateInField);
    docLayout->addWidget(genArea);
    m_docBrowser = new QAZynDocBrowser(docArea, QStringLiteral("ZYN Doc"));
    docLayout->addWidget(m_docBrowser);
    const QChar sep = QDir::separator();
    m_docBrowser->setSource(QUrl::fromLocalFile(targetDirectory + sep + QStringLiteral("xml") + sep
                                                + QStringLiteral("Reference.html")));

    m_editionArea = new QWidget(m_verticalSplitter);
    m_editionArea->setObjectName(QStringLiteral("Edition Area"));
    auto *editionLayout = new QVBoxLayout(m_editionArea);
    editionLayout->setContentsMargins(0, 0, 0, 0);
}

QAZynEditor::~QAZynEditor() = default;

bool QAZynEditor::buildTree(QDomElement &)
{
    return false;
}

void QAZynEditor::acceptRename(QTreeWidgetItem *) { }

void QAZynEditor::showViewer(QTreeWidgetItem *) { }

void QAZynEditor::showDoc() { }

bool QAZynEditor::isModified()
{
    return m_modified;
}

void QAZynEditor::setModified(bool modified)
{
    m_modified = modified;
}

void QAZynEditor::clearTree()
{
    m_editorTree->clearTree();
}

void QAZynEditor::setGenerateIn(const QString &directory)
{
    m_generateInField->setText(directory);
}

void QAZynEditor::updateViewer(QTreeWidgetItem *) { }

void QAZynEditor::contextMenu(const QPoint &) { }

void QAZynEditor::nodeClicked() { }
