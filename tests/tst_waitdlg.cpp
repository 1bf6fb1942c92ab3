#include "app/qazynwaitdlg.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// The wait dialog shown while a script runs.
class TestWaitDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutCancelShowsOnlyTheText()
    {
        QAZynWaitDlg dialog("Please wait", "Title", false, nullptr, "wait");
        QCOMPARE(dialog.objectName(), QStringLiteral("wait"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Title"));
        QVERIFY(!dialog.isModal());
        QCOMPARE(dialog.messageLabel()->text(), QStringLiteral("Please wait"));
        QVERIFY(!dialog.cancelButton());
        QVERIFY(dialog.findChildren<QPushButton *>().isEmpty());
    }

    void cancelSignalsEveryClickAndStaysOpen()
    {
        QAZynWaitDlg dialog("Please wait", "Title", true);
        dialog.show();
        QSignalSpy canceled(&dialog, &QAZynWaitDlg::canceled);
        QVERIFY(dialog.cancelButton());
        QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("&Cancel"));
        dialog.cancelButton()->click();
        dialog.cancelButton()->click();
        QCOMPARE(canceled.count(), 2);
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(TestWaitDlg)
#include "tst_waitdlg.moc"
