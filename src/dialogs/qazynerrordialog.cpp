#include "dialogs/qazynerrordialog.h"

#include "dialogs/dialogrows.h"
#include "sdk/getpix.h"
#include "services/productflavour.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

QAZynErrorDialog::QAZynErrorDialog(const QString &message, QWidget *parent, const QString &name)
    : QDialog(parent)
{
    // Qt 6 reads %s as UTF-8: Latin-1 bytes would turn accented letters into garbage.
    qWarning("ZYN error : %s", qUtf8Printable(message));

    setObjectName(name);
    setModal(true);
    setWindowTitle(tr("Error ") + QString::fromLatin1(productTitle()));
    setWindowIcon(GETPIX(windowIconName(), builtinImage(windowIconName())));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(127, 127, 127));
    setPalette(grey);
    setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addSpacing(5);

    // Keeps the dialog wide enough for script output lines.
    auto *widthRow = new QHBoxLayout;
    widthRow->addSpacing(600);
    layout->addLayout(widthRow);

    m_messageView = new QPlainTextEdit(this);
    m_messageView->setObjectName(QStringLiteral("message"));
    m_messageView->setReadOnly(true);
    m_messageView->setPlainText(message);
    addPaddedRow(layout, m_messageView);
    addOkRow(this, layout, tr("&OK"));

    layout->setSizeConstraint(QLayout::SetFixedSize);
}
