#include "panes/qazynviewer.h"

QAZynViewer::QAZynViewer(QWidget *parent)
    : QWidget(parent)
{ }
