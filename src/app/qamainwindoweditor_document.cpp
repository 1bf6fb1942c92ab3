// The document lifecycle of the main window: new, open, save, generate, export.
#include "app/qamainwindoweditor.h"

#include "document/qazyneditor.h"

#include <QFileInfo>
#include <QProcess>

void QAMainWindowEditor::fileNew() { }
void QAMainWindowEditor::fileOpen() { }
void QAMainWindowEditor::fileSave() { }
void QAMainWindowEditor::fileExportAs() { }
void QAMainWindowEditor::fileSaveAs(const QString &) { }
void QAMainWindowEditor::fileGenerateAs() { }
void QAMainWindowEditor::getStderr() { }
void QAMainWindowEditor::zynFilesGenerated() { }
void QAMainWindowEditor::zynFileExported() { }

void QAMainWindowEditor::loadFile(const QString &, bool) { }

bool QAMainWindowEditor::saveFile(const QString &)
{
    return false;
}

void QAMainWindowEditor::scanTargets(const QString &) { }

const QAMainWindowEditor::QZynId *QAMainWindowEditor::findTarget(const QString &,
                                                                 const QString &) const
{
    return nullptr;
}

bool QAMainWindowEditor::isTargetNameFree(const QDomElement &) const
{
    return true;
}

QString QAMainWindowEditor::targetLabel(const QDomElement &)
{
    return QString();
}

QString QAMainWindowEditor::currentFileName() const
{
    return QFileInfo(m_currentFilePath).fileName();
}

void QAMainWindowEditor::resetGenerateIn() { }
void QAMainWindowEditor::updateCaption() { }

QAMainWindowEditor::SaveAnswer QAMainWindowEditor::askSaveChanges()
{
    return SaveAnswer::Proceed;
}

void QAMainWindowEditor::saveOverExisting(const QString &) { }
void QAMainWindowEditor::writeSettings() { }
void QAMainWindowEditor::runGenerator(const QString &, const QString &) { }
void QAMainWindowEditor::runExport(const QString &, const QString &) { }
