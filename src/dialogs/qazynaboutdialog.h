#pragma once

#include <QDialog>

class QLabel;
class QLayout;
class QTextEdit;

// Product name, version, build, copyright and legal notice. Its identity texts are translated
// in the context "KVNIdent", so that a translation can rebrand the box.
class QAZynAboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QAZynAboutDialog(const QString &programPath, QWidget *parent = nullptr,
                              const QString &name = QString());

    // The flavour's picture in the installation's lib/pixmap.
    static QString imagePath(const QString &programPath);

private:
    QLayout *identityRow(const QString &programPath);
    QLabel *identityLabel(const QString &text, const QString &name);
};
