#include "app/zyndocumentfile.h"

#include "document/qafilesaver.h"
#include "document/qazynwriter.h"
#include "document/zynformat.h"

#include <QDomElement>
#include <QFile>
#include <QFileInfo>

#include <vector>

namespace ZynDocumentFile {

QString withoutXdp(const QString &fileName)
{
    const QLatin1String extension(".xdp");
    return fileName.endsWith(extension) ? fileName.chopped(extension.size()) : fileName;
}

bool canBeWritten(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.isFile() && info.isWritable();
    const QFileInfo directory(info.absolutePath());
    return directory.isDir() && directory.isWritable();
}

bool canBeRead(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

bool commit(const QString &path, const QByteArray &bytes)
{
    return QAFileSaver::save(path, bytes);
}

bool isReadOnly(const QDomElement &root)
{
    return root.attribute(Zyn::Attr::ReadOnly) == Zyn::Value::Yes;
}

bool write(const QString &path, QDomElement root, const QString &generateIn,
           const QAAttributeOrder &attributeOrder, int *droppedCharacters)
{
    struct Saved
    {
        QLatin1String name;
        bool present;
        QString value;
    };
    const QLatin1String names[] = { Zyn::Attr::ReadOnly, Zyn::Attr::GenerateIn };
    std::vector<Saved> previous;
    for (const QLatin1String &name : names)
        previous.push_back({ name, root.hasAttribute(name), root.attribute(name) });

    root.setAttribute(Zyn::Attr::ReadOnly, Zyn::Value::No);
    root.setAttribute(Zyn::Attr::GenerateIn, generateIn);

    QAZynWriter writer(&attributeOrder);
    const QByteArray bytes = writer.write(root);
    if (!QAZynWriter::isWellFormed(bytes) || !commit(path, bytes)) {
        for (const Saved &attribute : previous) {
            if (attribute.present)
                root.setAttribute(attribute.name, attribute.value);
            else
                root.removeAttribute(attribute.name);
        }
        return false;
    }
    *droppedCharacters = writer.droppedCharacters();
    return true;
}

} // namespace ZynDocumentFile
