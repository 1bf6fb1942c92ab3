#pragma once

#include <QString>

class QApplication;

// Writes "(zyneditor) <text>" on standard error, in the local 8-bit encoding.
void fatalMessage(const QString &text);

// The application's style (icons read when first drawn) and font (no text shaping where the
// script does not need it).
void setUpInterfaceLook();

// Installs the interface translation from CORVINDIR's lib/locale; ends the process with status 1
// when the installation cannot be found.
void setupTranslator(QApplication &application);

// The whole program: argument check, application, installation, main window, event loop.
int zynMain(int argc, char *argv[]);
