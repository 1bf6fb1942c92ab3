#include "find/qafindbar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

// Long enough for a word typed at normal speed to be searched once, short enough to feel live.
static constexpr int TypingPauseMs = 250;

QAFindBar::QAFindBar(QWidget *parent)
    : QWidget(parent)
    , m_field(new QLineEdit(this))
    , m_caseBox(new QCheckBox(tr("Match &case"), this))
    , m_wordBox(new QCheckBox(tr("&Whole words"), this))
    , m_count(new QLabel(this))
    , m_pause(new QTimer(this))
{
    setObjectName(QStringLiteral("findInDocumentBar"));
    m_field->setObjectName(QStringLiteral("findInDocumentField"));
    m_field->setAccessibleName(tr("Find in document"));
    m_field->setPlaceholderText(tr("Find in document"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    m_caseBox->setObjectName(QStringLiteral("findInDocumentCase"));
    m_wordBox->setObjectName(QStringLiteral("findInDocumentWholeWords"));
    m_count->setObjectName(QStringLiteral("findInDocumentCount"));
    m_count->setMinimumWidth(
        m_count->fontMetrics().horizontalAdvance(QStringLiteral("0000 of 0000")));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    auto *label = new QLabel(tr("&Find:"), this);
    label->setBuddy(m_field);
    layout->addWidget(label);
    layout->addWidget(m_field, 1);
    QToolButton *previous = addButton(tr("Previous"), QStringLiteral("findInDocumentPrevious"));
    QToolButton *next = addButton(tr("Next"), QStringLiteral("findInDocumentNext"));
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(m_caseBox);
    layout->addWidget(m_wordBox);
    layout->addWidget(m_count);
    QToolButton *close = addButton(tr("Close"), QStringLiteral("findInDocumentClose"));
    layout->addWidget(close);

    m_pause->setSingleShot(true);
    m_pause->setInterval(TypingPauseMs);
    connect(m_pause, &QTimer::timeout, this, &QAFindBar::searchChanged);
    connect(m_field, &QLineEdit::textChanged, m_pause, qOverload<>(&QTimer::start));
    // An option changes the results at once: there is nothing more to wait for.
    connect(m_caseBox, &QCheckBox::toggled, this, &QAFindBar::searchChanged);
    connect(m_wordBox, &QCheckBox::toggled, this, &QAFindBar::searchChanged);
    connect(previous, &QToolButton::clicked, this, &QAFindBar::previousRequested);
    connect(next, &QToolButton::clicked, this, &QAFindBar::nextRequested);
    connect(close, &QToolButton::clicked, this, &QAFindBar::closeRequested);
}

QToolButton *QAFindBar::addButton(const QString &text, const QString &name)
{
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setObjectName(name);
    button->setAutoRaise(true);
    return button;
}

QString QAFindBar::text() const
{
    return m_field->text();
}

Qt::CaseSensitivity QAFindBar::caseSensitivity() const
{
    return m_caseBox->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

bool QAFindBar::wholeWords() const
{
    return m_wordBox->isChecked();
}

void QAFindBar::focusField()
{
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void QAFindBar::showCount(int current, int total)
{
    if (m_field->text().isEmpty())
        m_count->clear();
    else if (total == 0)
        m_count->setText(tr("No matches"));
    else if (current < 0)
        m_count->setText(total == 1 ? tr("1 match") : tr("%1 matches").arg(total));
    else
        m_count->setText(tr("%1 of %2").arg(current + 1).arg(total));
}

bool QAFindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_field || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    // A search still waiting for the pause runs first, so Return acts on what was typed.
    if (m_pause->isActive()) {
        m_pause->stop();
        Q_EMIT searchChanged();
    }
    if (key->modifiers() & Qt::ShiftModifier)
        Q_EMIT previousRequested();
    else
        Q_EMIT nextRequested();
    return true;
}
