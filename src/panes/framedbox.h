#pragma once

class QBoxLayout;
class QFrame;
class QWidget;

// The raised frame in which a pane groups its fields: added to the pane's layout with stretch,
// holding boxLayout with 10-pixel margins.
QFrame *addFramedBox(QWidget *pane, QBoxLayout *paneLayout, QBoxLayout *boxLayout, int stretch = 0);
