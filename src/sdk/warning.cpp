#include "sdk/warning.h"

#include <QtGlobal>

#include <cstdarg>
#include <cstdio>

void warning(const char *format, ...)
{
    char buffer[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    qWarning("%s", buffer);
}
