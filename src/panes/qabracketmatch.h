#pragma once

class QTextDocument;

// The bracket at or just before a position and the one that matches it.
struct QABracketMatch
{
    int bracket = -1;
    int match = -1; // -1 when the bracket has no partner within reach

    // Looks at most this far for the partner, so that a click never scans megabytes.
    static constexpr int Reach = 100000;

    static QABracketMatch find(const QTextDocument *document, int position);
};
