#pragma once

#include "Trash.h"

// The freedesktop.org trash, through QFile::moveToTrash.
class FreedesktopTrash : public Trash
{
public:
    int RecycleFile(const QString &path) override;
};
