#include "app/qamainwindoweditor.h"

#include "app/productflavour.h"
#include "document/qazyneditor.h"
#include "sdk/qainstall.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QSettings>
#include <QVBoxLayout>

QAMainWindowEditor::QAMainWindowEditor(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_programPath(arguments.value(0))
    , m_commandLineFile(arguments.value(1))
{
    m_installTargetDir = QAInstall::targetDir(m_programPath);
    initDocumentState();
    resize(640, 480);
    setWindowTitle(QString::fromLatin1(productTitle()));
    createActions();
    createMenus();
    createToolBars();
    createCentralArea();
    createFindBar();
    m_settings = std::make_unique<QSettings>();
    openStartupDocument();
    restoreGeometry();
    createPreferences();
    createStatusBar();
    initializeWeb();
}

QAMainWindowEditor::~QAMainWindowEditor() = default;

void QAMainWindowEditor::createActions() { }

void QAMainWindowEditor::createMenus() { }

void QAMainWindowEditor::createToolBars() { }

void QAMainWindowEditor::createCentralArea()
{
    m_centralBox = new QWidget(this);
    auto *layout = new QVBoxLayout(m_centralBox);
    layout->setContentsMargins(1, 1, 1, 1);
    setCentralWidget(m_centralBox);
    m_editor = new QAZynEditor(m_installTargetDir, m_centralBox);
    layout->addWidget(m_editor);
}

void QAMainWindowEditor::createFindBar() { }

void QAMainWindowEditor::openStartupDocument() { }

void QAMainWindowEditor::restoreGeometry() { }

void QAMainWindowEditor::createPreferences() { }

void QAMainWindowEditor::createStatusBar() { }

void QAMainWindowEditor::fileExit()
{
    close();
}

void QAMainWindowEditor::editUndo() { }
void QAMainWindowEditor::editRedo() { }
void QAMainWindowEditor::editCut() { }
void QAMainWindowEditor::editCopy() { }
void QAMainWindowEditor::editPaste() { }
void QAMainWindowEditor::editDelete() { }
void QAMainWindowEditor::findByString() { }
void QAMainWindowEditor::openPreferences() { }
void QAMainWindowEditor::getPreferences() { }
void QAMainWindowEditor::editSelectAll() { }
void QAMainWindowEditor::helpContents() { }
void QAMainWindowEditor::initializeWeb() { }
void QAMainWindowEditor::kvnweb() { }
void QAMainWindowEditor::zynweb() { }
void QAMainWindowEditor::supportweb() { }
void QAMainWindowEditor::homeweb() { }
void QAMainWindowEditor::helpAbout() { }

void QAMainWindowEditor::closeEvent(QCloseEvent *event)
{
    event->accept();
}
