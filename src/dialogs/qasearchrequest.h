#pragma once

#include <QString>

// A search asked for: literal text, case sensitivity and the whole-word ("wildcard") flag.
struct QASearchRequest
{
    QString pattern;
    Qt::CaseSensitivity caseSensitivity = Qt::CaseInsensitive;
    bool wildcard = false;
};
