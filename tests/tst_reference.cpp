#include "document/zynformat.h"
#include "sdk/qaxmleditor.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <set>

// Every element of every shipped template finds its section in the reference page: the panes
// scroll the documentation to the element's Doc value.
class TestReference : public QObject
{
    Q_OBJECT

private:
    static QString xmlDir()
    {
        return TestEnvironment::stagedTree() + QStringLiteral("/targets/xml");
    }

    // The anchors as the documentation viewer sees them: <a name="..."> counts, an id on a heading
    // does not.
    static std::set<QString> anchorsOf(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QTextDocument document;
        document.setHtml(QString::fromUtf8(file.readAll()));
        std::set<QString> anchors;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QStringList names = it.fragment().charFormat().anchorNames();
                anchors.insert(names.cbegin(), names.cend());
            }
        }
        return anchors;
    }

    static void collectDocs(const QDomElement &element, std::set<QString> &docs)
    {
        if (element.hasAttribute(Zyn::Attr::Doc))
            docs.insert(element.attribute(Zyn::Attr::Doc));
        for (QDomElement child = element.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement())
            collectDocs(child, docs);
    }

private Q_SLOTS:
    void everyDocHasAnAnchor_data()
    {
        QTest::addColumn<QString>("templatePath");
        const QStringList templates
            = QDir(xmlDir()).entryList({ QStringLiteral("*.xdp") }, QDir::Files, QDir::Name);
        for (const QString &name : templates)
            QTest::newRow(qPrintable(name)) << xmlDir() + QLatin1Char('/') + name;
    }
    void everyDocHasAnAnchor()
    {
        QFETCH(QString, templatePath);
        const QString reference = xmlDir() + QStringLiteral("/Reference.html");
        if (!QFile::exists(reference))
            QSKIP("Reference.html is not in the installation tree yet");
        const std::set<QString> anchors = anchorsOf(reference);

        QDomDocument document;
        QString error;
        const QDomElement root = QAXmlEditor::readRootElement(templatePath, document, &error);
        QVERIFY2(!root.isNull(), qPrintable(error));
        std::set<QString> docs;
        collectDocs(root, docs);
        QVERIFY(!docs.empty());

        QStringList missing;
        for (const QString &doc : docs) {
            if (!anchors.count(doc))
                missing << (doc.isEmpty() ? QStringLiteral("(empty Doc)") : doc);
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("no <a name> anchor for: ")
                            + missing.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestReference)
#include "tst_reference.moc"
