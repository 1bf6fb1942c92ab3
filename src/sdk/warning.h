#pragma once

// Formatted diagnostic on the warning output (printf conventions).
void warning(const char *format, ...) __attribute__((format(printf, 1, 2)));
