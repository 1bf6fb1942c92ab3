#pragma once

#include <QByteArray>
#include <QString>

// Generates .xdp documents shaped like the shipped C template, scaled up: many library sections
// with items, choices and functions, many carried text files and a few binary ones, and a share of
// large code fragments (1 MB each from 10 MB on). The same size and seed give the same bytes.
struct GeneratedDocument
{
    QByteArray bytes;
    int sections = 0;
    int carriedFiles = 0;
    // Size of each large fragment, and the Doc of the first large function section and the Name
    // of the first large carried text file, so that the benchmark can find their nodes.
    qint64 bigFragmentBytes = 0;
    QString bigFunctionDoc;
    QString bigTextFileName;
};

GeneratedDocument generateDocument(qint64 targetBytes, unsigned seed = 20090101);
