// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browse/RiffHeaders.h"

#include <QCoreApplication>
#include <QStringList>

class Prompter;

// The facts shown about a file as it starts to play: its size for every file, the AVI header of
// AVI video files and the format of RIFF WAVE sound files. Files that cannot be opened or read
// are reported through the prompter and described by their size alone.
class FileInformation
{
    Q_DECLARE_TR_FUNCTIONS(FileInformation)

public:
    explicit FileInformation(Prompter &prompter) : m_prompter(prompter) {}

    struct Description
    {
        QStringList lines;
        // The size text of the file, for the window caption too.
        QString size;
    };

    // How a file that cannot be described is told: in a message box, or, while nobody chose the
    // file (the automatic advance), among the lines shown.
    enum class Problems
    {
        InBox,
        InLines
    };

    Description describe(const QString &path, Problems problems = Problems::InBox);

    // "0.5 KB", "1024.0 KB", "1.0 MB", "2.5 GB": one decimal, the user's decimal separator.
    static QString sizeText(qint64 bytes);

private:
    class HeaderFile;

    // The file's size in bytes, 0 when it cannot be asked.
    static qint64 sizeOf(const QString &path);

    // False, with the user told why, when the file could not be opened.
    bool opened(const HeaderFile &file, const QString &path);
    QStringList aviLines(const RiffHeaders::ReadAt &read, qint64 fileSize, const QString &path,
                         const QString &size);
    QStringList waveLines(const RiffHeaders::ReadAt &read, qint64 fileSize, const QString &size);
    void complain(const QString &text);

    Prompter &m_prompter;
    Problems m_problemsGo = Problems::InBox;
    QStringList m_problems;
};
