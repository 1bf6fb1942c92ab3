#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// File chores of the tests. A chore that fails says why (a warning in the test log) and answers
// false: call it inside QVERIFY so that the test stops there instead of checking a file that was
// never written.
namespace TestFiles {

// Files by their path below some directory, with their bytes.
using Files = QList<QPair<QString, QByteArray>>;

// Writes the bytes over the file in place (no rename), creating its directory.
[[nodiscard]] bool write(const QString &path, const QByteArray &content);
// Writes each of the files below root.
[[nodiscard]] bool writeAll(const QString &root, const Files &files);
// The file's bytes; empty when it cannot be read, as a missing file has none.
QByteArray read(const QString &path);
// Copies a file, replacing what the target held, creating its directory.
[[nodiscard]] bool copy(const QString &from, const QString &to);
// Copies a directory with everything below it, hidden entries and empty directories too.
[[nodiscard]] bool copyTree(const QString &from, const QString &to);

} // namespace TestFiles
