// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/FileInformation.h"

#include "browse/RiffHeaders.h"
#include "core/VersionTitle.h"
#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"

#include <QLocale>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A file opened for reading its headers, closed when done.
class FileInformation::HeaderFile
{
public:
    explicit HeaderFile(const QString &path)
        : m_fd(::open(NativePath::toBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)),
          m_error(m_fd.valid() ? 0 : errno)
    {
        struct stat info = {};
        if (m_fd.valid() && ::fstat(m_fd.get(), &info) == 0 && S_ISREG(info.st_mode))
            m_size = info.st_size;
    }

    bool isOpen() const { return m_fd.valid(); }
    int error() const { return m_error; }
    qint64 size() const { return m_size; }
    RiffHeaders::ReadAt reader() const
    {
        return [this](qint64 offset, qint64 length) {
            QByteArray bytes;
            if (offset < 0 || length <= 0 || offset >= m_size)
                return bytes;
            bytes.resize(qsizetype(qMin(length, m_size - offset)));
            const ssize_t got = ::pread(m_fd.get(), bytes.data(), size_t(bytes.size()), off_t(offset));
            bytes.resize(got > 0 ? qsizetype(got) : 0);
            return bytes;
        };
    }

private:
    FileDescriptor m_fd;
    int m_error;
    qint64 m_size = 0;
};

namespace {

QString yesNo(bool value)
{
    return value ? QCoreApplication::translate("FileInformation", "True")
                 : QCoreApplication::translate("FileInformation", "False");
}

} // namespace

qint64 FileInformation::sizeOf(const QString &path)
{
    struct stat info = {};
    return ::stat(NativePath::toBytes(path).constData(), &info) == 0 ? qint64(info.st_size) : 0;
}

QString FileInformation::sizeText(qint64 bytes)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    double amount = double(bytes) / 1024;
    for (const char *unit : {" KB", " MB"}) {
        if (amount <= 1024)
            return locale.toString(amount, 'f', 1) + QLatin1String(unit);
        amount /= 1024;
    }
    return locale.toString(amount, 'f', 1) + QLatin1String(" GB");
}

FileInformation::Description FileInformation::describe(const QString &path, Problems problems)
{
    m_problemsGo = problems;
    m_problems.clear();
    Description description;
    const QString &size = description.size;
    const QString tail = path.right(3).toLower();
    const bool video =
        tail == QLatin1String("avi") || tail == QLatin1String("peg") || tail == QLatin1String("mpg");
    const bool sound = tail == QLatin1String("wav") || tail == QLatin1String(".au") ||
                       tail == QLatin1String("voc") || tail == QLatin1String("mp3");
    if (!video && !sound)
        description.size = sizeText(sizeOf(path));
    if (video || sound) {
        // One opening of the file serves its size, the form test and the header; a file that
        // cannot be opened may still tell its size.
        const HeaderFile file(path);
        description.size = sizeText(file.isOpen() ? file.size() : sizeOf(path));
        if (opened(file, path)) {
            const RiffHeaders::ReadAt read = file.reader();
            if (video && RiffHeaders::hasForm(read, "AVI "))
                description.lines = aviLines(read, file.size(), path, size);
            else if (sound && RiffHeaders::hasForm(read, "WAVE"))
                description.lines = waveLines(read, file.size(), size);
        }
    }
    if (description.lines.isEmpty())
        description.lines.append(tr("Size : %1").arg(size));
    description.lines += m_problems;
    return description;
}

bool FileInformation::opened(const HeaderFile &file, const QString &path)
{
    if (file.isOpen())
        return true;
    const QString shown = NativePath::forDisplay(path);
    if (file.error() == ENOENT)
        complain(tr("File does not exist:") + QLatin1Char('\n') + shown);
    else if (file.error() == EACCES || file.error() == EPERM)
        complain(tr("File is locked - cannot access:") + QLatin1Char('\n') + shown);
    else if (m_problemsGo == Problems::InLines)
        m_problems.append(FileDescriptor::errorText(file.error()));
    else
        m_prompter.message(FileDescriptor::errorText(file.error()), ProgramTitle, Prompter::Buttons::Ok,
                           Prompter::Icon::Information);
    return false;
}

QStringList FileInformation::aviLines(const RiffHeaders::ReadAt &read, qint64 fileSize, const QString &path,
                                      const QString &size)
{
    RiffHeaders::AviInfo info;
    if (const std::optional<RiffHeaders::AviInfo> header = RiffHeaders::readAvi(read, fileSize))
        info = *header;
    else
        // The lines still follow, with zeros and False, as for any AVI file.
        complain(tr("Unable to read AVI file info from:") + QLatin1Char('\n') + NativePath::forDisplay(path));
    return {tr("Size : %1").arg(size),
            tr("Type : %1").arg(info.type),
            tr("Framerate : %1 FPS").arg(info.frameRate),
            tr("Size : %1 x %2").arg(info.width).arg(info.height),
            tr("Compressed : %1").arg(yesNo(info.compressed)),
            tr("Interleaved : %1").arg(yesNo(info.interleaved)),
            tr("No of streams : %1").arg(info.streams),
            tr("Length  : %1").arg(info.length),
            tr("Can Read :  %1").arg(yesNo(info.canRead)),
            tr("Can Write : %1").arg(yesNo(info.canWrite)),
            tr("Has index : %1").arg(yesNo(info.hasIndex)),
            tr("All keyframes : %1").arg(yesNo(info.allKeyFrames)),
            tr("Captured file : %1").arg(yesNo(info.capturedFile)),
            tr("Must use index : %1").arg(yesNo(info.mustUseIndex))};
}

QStringList FileInformation::waveLines(const RiffHeaders::ReadAt &read, qint64 fileSize, const QString &size)
{
    RiffHeaders::WaveFormat format;
    switch (RiffHeaders::readWave(read, fileSize, format)) {
    case RiffHeaders::WaveProblem::NotWave:
        complain(tr("Not a valid waveform-audio file!"));
        return {};
    case RiffHeaders::WaveProblem::NoFormatChunk:
        complain(tr("Can't find Format chunk!"));
        return {};
    case RiffHeaders::WaveProblem::ShortFormatChunk:
        complain(tr("Can't read Format chunk!"));
        return {};
    case RiffHeaders::WaveProblem::None:
        break;
    }
    return {tr("Size : %1").arg(size), tr("Bit PS : %1").arg(format.bitsPerSample),
            // Bits per second: the header stores bytes.
            tr("Bits /s : %1").arg(quint64(format.averageBytesPerSecond) * 8),
            tr("Samples /s : %1").arg(format.samplesPerSecond),
            tr("Channels : %1").arg(format.channels >= 2 ? tr("Stereo") : tr("Mono"))};
}

void FileInformation::complain(const QString &text)
{
    if (m_problemsGo == Problems::InLines)
        m_problems.append(text);
    else
        m_prompter.message(text, ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Critical);
}
