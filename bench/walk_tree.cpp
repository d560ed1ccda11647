// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderWalker.h"
#include "support/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The root, 20 top folders and 19,979 subfolders below them (20,000 folders) with 10 files in each
// folder, in a mix of media types, letter cases and other files.
int makeTree(const QByteArray &root)
{
    static const char *const names[] = {"a.mp3", "b.WAV",     "c.txt", "d.Mp3", "e.jpg",
                                        "f.wav", "g.mp3.txt", "h",     "i.MP3", "j.wave"};
    ::mkdir(root.constData(), 0755);
    int folders = 0;
    auto fill = [&](const QByteArray &folder) {
        ++folders;
        for (const char *name : names) {
            const int fd = ::open((folder + '/' + name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0)
                return false;
            ::close(fd);
        }
        return true;
    };
    if (!fill(root))
        return 1;
    for (int top = 0; top < 20; ++top) {
        const QByteArray topFolder = root + "/top " + QByteArray::number(top);
        ::mkdir(topFolder.constData(), 0755);
        if (!fill(topFolder))
            return 1;
        for (int sub = 0; sub < (top == 19 ? 998 : 999); ++sub) {
            const QByteArray folder = topFolder + "/sub" + QByteArray::number(sub);
            ::mkdir(folder.constData(), 0755);
            if (!fill(folder))
                return 1;
        }
    }
    std::fprintf(stderr, "made %d folders\n", folders);
    return 0;
}

} // namespace

// bench_walk ROOT PATTERN: prints every file the walker reports, one per line.
// bench_walk --make-tree ROOT: makes the benchmark's tree.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--make-tree"))
        return makeTree(QFile::encodeName(arguments.at(2)));
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: bench_walk ROOT PATTERN | bench_walk --make-tree ROOT\n");
        return 2;
    }
    ScriptedPrompter prompter;
    FolderWalker walker(prompter);
    QByteArray out;
    QObject::connect(&walker, &FolderWalker::filesFound, &app, [&out](const QStringList &paths) {
        for (const QString &path : paths) {
            out += QFile::encodeName(path);
            out += '\n';
        }
        if (out.size() > (1 << 20)) {
            std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
            out.clear();
        }
    });
    QObject::connect(&walker, &FolderWalker::finished, &app, &QCoreApplication::quit);
    if (!walker.start(arguments.at(1), arguments.at(2)))
        return 1;
    app.exec();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}
