#include "panes/qabracketmatch.h"

#include <QTextDocument>

namespace {

const QString Opening = QStringLiteral("([{");
const QString Closing = QStringLiteral(")]}");

bool isBracket(QChar c)
{
    return Opening.contains(c) || Closing.contains(c);
}

int partner(const QTextDocument *document, int from, QChar bracket)
{
    const int open = Opening.indexOf(bracket);
    const bool forward = open >= 0;
    const QChar other = forward ? Closing.at(open) : Opening.at(Closing.indexOf(bracket));
    const int step = forward ? 1 : -1;
    const int last = document->characterCount() - 1;
    int depth = 0;
    for (int i = from + step, n = 0; i >= 0 && i < last && n < QABracketMatch::Reach;
         i += step, ++n) {
        const QChar c = document->characterAt(i);
        if (c == bracket)
            ++depth;
        else if (c == other && depth-- == 0)
            return i;
    }
    return -1;
}

} // namespace

QABracketMatch QABracketMatch::find(const QTextDocument *document, int position)
{
    QABracketMatch result;
    for (const int at : { position, position - 1 }) {
        if (at >= 0 && at < document->characterCount() - 1
            && isBracket(document->characterAt(at))) {
            result.bracket = at;
            result.match = partner(document, at, document->characterAt(at));
            break;
        }
    }
    return result;
}
