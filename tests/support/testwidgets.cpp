#include "support/testwidgets.h"

#include <QApplication>
#include <QWidget>

QWidget *topLevelNamed(const QString &objectName)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == objectName)
            return widget;
    }
    return nullptr;
}

QWidget *binaryWaitDialog()
{
    return topLevelNamed(QStringLiteral("wait dialog when adding binary file"));
}
