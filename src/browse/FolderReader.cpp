#include "FolderReader.h"

#include "FilePattern.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace {

constexpr int YieldEveryMs = 15;

} // namespace

void FolderReader::sortNames(QStringList &names)
{
    // Case-folded keys are made once, so the sort compares plain strings.
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(size_t(names.size()));
    for (QString &name : names)
        keyed.emplace_back(name.toCaseFolded(), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    names.reserve(qsizetype(keyed.size()));
    for (auto &entry : keyed)
        names.append(std::move(entry.second));
}

FolderReader::Contents FolderReader::read(const QString &folder, const FilePattern &pattern,
                                          const Yield &yield)
{
    Contents contents;
    QByteArray base = QFile::encodeName(folder);
    if (!base.endsWith('/'))
        base += '/';
    DIR *dir = ::opendir(base.constData());
    if (!dir)
        return contents;
    contents.opened = true;

    QElapsedTimer clock;
    clock.start();
    int sinceCheck = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (yield && ++sinceCheck >= 256) {
            sinceCheck = 0;
            if (clock.elapsed() >= YieldEveryMs) {
                yield();
                clock.restart();
            }
        }
        const char *name = entry->d_name;
        if (name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat info = {};
            if (::stat((base + name).constData(), &info) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == DT_DIR) {
            contents.folders.append(QFile::decodeName(name));
        } else if (type == DT_REG) {
            QString file = QFile::decodeName(name);
            if (pattern.matches(file))
                contents.files.append(std::move(file));
        }
    }
    ::closedir(dir);
    sortNames(contents.folders);
    sortNames(contents.files);
    return contents;
}
