#pragma once

class QBoxLayout;
class QPushButton;
class QString;
class QWidget;

// The rows that the about and error boxes share.

// widget between 10-pixel margins, then 10 pixels of space.
void addPaddedRow(QBoxLayout *layout, QWidget *widget);
// A centred default button that accepts dialog, then 5 pixels of space.
QPushButton *addOkRow(QWidget *dialog, QBoxLayout *layout, const QString &text);
