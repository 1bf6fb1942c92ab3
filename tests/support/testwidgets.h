#pragma once

#include <QString>

class QWidget;

// The top-level widget of that object name, or null while there is none.
QWidget *topLevelNamed(const QString &objectName);

// The wait dialog the encoder shows while it adds a binary file, or null.
QWidget *binaryWaitDialog();
