#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The online-help preferences: browser command, information centre address, local help server
// and its class path. It only holds the values; the main window applies and stores them.
class QAzynPrefDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QAzynPrefDialog(QWidget *parent = nullptr, const QString &name = QString(),
                             bool modal = true, Qt::WindowFlags flags = Qt::WindowFlags());

    void insertBrowserList(const QStringList &commands);
    void insertBrowser(const QString &command);
    void setCurrentBrowserItem(int index);
    int currentBrowserItem() const;
    QString currentBrowserText() const;
    // The items that have a text, in order, then the current text when it is not among them.
    QStringList browserList() const;

    QString helpUrl() const;
    void setHelpUrl(const QString &url);
    QString classPath() const;
    void setClassPath(const QString &classPath);
    bool localServer() const;
    // Also enables the class path edit exactly when on.
    void setLocalServer(bool on);

public Q_SLOTS:
    void accept() override;
    void startLocalServer(bool on);

Q_SIGNALS:
    void updated();

private:
    QComboBox *m_browserCombo;
    QLineEdit *m_helpUrlEdit;
    QLineEdit *m_classPathEdit;
    QCheckBox *m_localServerBox;
};
