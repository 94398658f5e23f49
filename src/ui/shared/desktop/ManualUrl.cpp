// SPDX-License-Identifier: MIT
#include "ManualLocation.h"

QUrl ManualLocation::url()
{
    return QUrl::fromLocalFile(indexFile());
}
