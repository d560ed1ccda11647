// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TemporaryFolder.h"

#include <QFile>
#include <cstdio>
#include <ftw.h>

namespace {

int removeEntry(const char *path, const struct stat *, int, FTW *)
{
    std::remove(path);
    return 0;
}

} // namespace

TemporaryFolder::~TemporaryFolder()
{
    if (isValid() && autoRemove())
        ::nftw(QFile::encodeName(path()).constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS | FTW_MOUNT);
}
