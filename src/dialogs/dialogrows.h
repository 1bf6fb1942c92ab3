#pragma once

class QBoxLayout;
class QDialog;
class QPushButton;
class QString;
class QVBoxLayout;
class QWidget;

// The pieces that the editor's small dialogs share.

// Names the dialog, sets its modality and title, and gives it a vertical layout with 10-pixel
// margins and 5-pixel spacing.
QVBoxLayout *setUpFormDialog(QDialog *dialog, const QString &name, bool modal,
                             const QString &title);

// widget between 10-pixel margins, then 10 pixels of space.
void addPaddedRow(QBoxLayout *layout, QWidget *widget);
// A centred default button that accepts dialog, then 5 pixels of space.
QPushButton *addOkRow(QWidget *dialog, QBoxLayout *layout, const QString &text);
