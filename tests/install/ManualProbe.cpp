// SPDX-License-Identifier: MIT
// Prints where a program in this folder finds the users' manual; exits 1 when
// it is not there. The installation test puts it beside the installed program.

#include "ManualLocation.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString page = ManualLocation::indexFile();
    std::puts(qPrintable(page));
    return QFileInfo::exists(page) ? 0 : 1;
}
