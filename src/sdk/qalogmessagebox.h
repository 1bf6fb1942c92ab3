#pragma once

#include "sdk/qauserlibrary.h"

#include <QStringList>

class QWidget;

// Collects what an installation step reports and shows it in one warning box at its end.
class QALogMessageBox : public QAILogMonitor
{
public:
    QALogMessageBox(const QString &title, QWidget *parent);

    void log(const QString &message) override;
    void done() override;

    QStringList messages() const { return m_messages; }

private:
    QString m_title;
    QWidget *m_parent;
    QStringList m_messages;
};
