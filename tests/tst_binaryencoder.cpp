#include "document/qabinaryencoder.h"
#include "services/productflavour.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"
#include "support/testwidgets.h"

#include <QApplication>
#include <QDomElement>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

const int EncoderTimeout = 60000;

// Every fake records the output path it was given beside itself.
const QByteArray Prelude = "use strict;\n"
                           "my ($in, $out) = @ARGV;\n"
                           "open(my $log, '>', \"$0.out\") or die;\n"
                           "print $log $out;\n"
                           "close $log;\n";

} // namespace

// The encoder of binary files against fake encoder scripts: what it reports, and that it leaves
// nothing behind.
class TestBinaryEncoder : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_install;
    std::unique_ptr<TestEnvironment> m_env;

    QString script() const
    {
        return m_install->filePath(QStringLiteral("lib/scripts/encode64.pl"));
    }

    [[nodiscard]] bool useFake(const QByteArray &body)
    {
        m_install = std::make_unique<QTemporaryDir>();
        m_env = std::make_unique<TestEnvironment>(m_install->path());
        return TestFiles::write(script(), Prelude + body);
    }

    QString outputPath() const
    {
        return QString::fromLocal8Bit(TestFiles::read(script() + QStringLiteral(".out")));
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("perl")).isEmpty())
            QSKIP("no perl");
    }
    void cleanup() { qunsetenv("ZYN_PERL"); }

    void reportsTheEncodedElement()
    {
        QVERIFY(useFake("open(my $o, '>', $out) or die;\n"
                        "print $o qq{<BASE64 Size=\"2\">aGk=</BASE64>\\n};\nclose $o;\n"));
        QABinaryEncoder encoder(QStringLiteral("zyneditor"));
        QSignalSpy encoded(&encoder, &QABinaryEncoder::encoded);
        QSignalSpy failed(&encoder, &QABinaryEncoder::failed);
        QSignalSpy status(&encoder, &QABinaryEncoder::statusMsg);

        QVERIFY(encoder.start(QStringLiteral("/some/file.bin")));
        QVERIFY(encoder.isRunning());
        QVERIFY(binaryWaitDialog() && binaryWaitDialog()->isVisible());
        QVERIFY(!encoder.start(QStringLiteral("/another.bin"))); // one at a time
        QTRY_COMPARE_WITH_TIMEOUT(encoded.size(), 1, EncoderTimeout);

        const QDomElement content = encoded.at(0).at(0).value<QDomElement>();
        QCOMPARE(content.tagName(), QStringLiteral("BASE64"));
        QCOMPARE(content.text(), QStringLiteral("aGk="));
        QCOMPARE(failed.size(), 0);
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.at(0).at(0).toString(), QStringLiteral("Adding binary file..."));
        QVERIFY(!encoder.isRunning());
        QVERIFY(!binaryWaitDialog());
        QVERIFY(QFileInfo(outputPath()).isAbsolute());
        QVERIFY(!QFileInfo::exists(QFileInfo(outputPath()).absolutePath()));
    }

    void reportsWhyNothingWasEncoded_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("caption"); // empty: no box
        QTest::addColumn<QString>("text"); // %1: the output file; a prefix when it ends in "("
        const QString title = QString::fromLatin1(productTitle());
        QTest::newRow("last error line")
            << QByteArray("print STDERR \"first\\nsecond\\n\\n\";\nexit 2;\n") << title
            << "second\n";
        QTest::newRow("silent failure")
            << QByteArray("exit 4;\n") << title << "The encoding script failed with exit status 4.";
        QTest::newRow("crash") << QByteArray("kill 'KILL', $$;\n") << QString() << QString();
        QTest::newRow("no output") << QByteArray("exit 0;\n") << "Critical Error"
                                   << "Cannot open file %1";
        QTest::newRow("malformed output")
            << QByteArray("open(my $o, '>', $out) or die;\nprint $o '<BASE64>';\nclose $o;\n")
            << "Critical Error"
            << "Parsing error for file %1\n(";
    }
    void reportsWhyNothingWasEncoded()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QVERIFY(useFake(body));
        QABinaryEncoder encoder(QStringLiteral("zyneditor"));
        QSignalSpy encoded(&encoder, &QABinaryEncoder::encoded);
        QSignalSpy failed(&encoder, &QABinaryEncoder::failed);
        QSignalSpy status(&encoder, &QABinaryEncoder::statusMsg);

        QVERIFY(encoder.start(QStringLiteral("/some/file.bin")));
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, EncoderTimeout);
        QCOMPARE(encoded.size(), 0);
        QCOMPARE(failed.at(0).at(0).toString(), caption);
        const QString expected = text.contains("%1") ? text.arg(outputPath()) : text;
        const QString reported = failed.at(0).at(1).toString();
        if (expected.endsWith(QLatin1Char('(')))
            QVERIFY2(reported.startsWith(expected), qPrintable(reported));
        else
            QCOMPARE(reported, expected);
        QCOMPARE(status.last(), QVariantList({ "ERROR during adding binary file.", 2000 }));
        QVERIFY(!encoder.isRunning());
        QVERIFY(!binaryWaitDialog());
        QVERIFY(!QFileInfo::exists(QFileInfo(outputPath()).absolutePath()));
    }

    void scriptThatCannotStart()
    {
        QVERIFY(useFake("exit 0;\n"));
        qputenv("ZYN_PERL", "/nonexistent/perl");
        QABinaryEncoder encoder(QStringLiteral("zyneditor"));
        QSignalSpy failed(&encoder, &QABinaryEncoder::failed);
        QSignalSpy status(&encoder, &QABinaryEncoder::statusMsg);

        QVERIFY(!encoder.start(QStringLiteral("/some/file.bin")));
        QVERIFY(!encoder.isRunning());
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0).at(1).toString(),
                 "/nonexistent/perl-w" + script() + "/some/file.bin\nUnable to run command");
        QCOMPARE(status.last(), QVariantList({ "ERROR: adding binary file aborted.", 2000 }));
        QVERIFY(!binaryWaitDialog());
    }
};

QTEST_MAIN(TestBinaryEncoder)
#include "tst_binaryencoder.moc"
