#pragma once

#include "dialogs/qasearchrequest.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

// The find dialog of the code editor: search text and options, searched with "Next".
class QAzynFindDialog : public QDialog
{
    Q_OBJECT

public:
    QAzynFindDialog(QWidget *parent, const QString &name, bool modal,
                    Qt::WindowFlags flags = Qt::WindowFlags());

    // The search the dialog currently describes.
    QASearchRequest searchRequest() const;

public Q_SLOTS:
    void nextSearch();

Q_SIGNALS:
    void search(const QASearchRequest &request);

private:
    QComboBox *findCombo;
    QPushButton *nextButton;
    QCheckBox *caseCheckBox;
    QCheckBox *wildcardCheckBox;
};
