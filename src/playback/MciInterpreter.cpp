// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MciInterpreter.h"

#include "playback/MediaPlayer.h"

#include <optional>

namespace {

std::optional<qint64> number(const QString &word)
{
    bool ok = false;
    const qint64 value = word.toLongLong(&ok);
    return ok && value >= 0 ? std::optional<qint64>(value) : std::nullopt;
}

bool is(const QString &word, const char *expected)
{
    return word.compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
}

// The words of a command; a quoted part (a file name with blanks) is one word.
QStringList wordsOf(const QString &command)
{
    QStringList words;
    QString current;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : command) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && c.isSpace()) {
            if (inWord)
                words.append(current);
            current.clear();
            inWord = false;
        } else {
            current.append(c);
            inWord = true;
        }
    }
    if (inWord)
        words.append(current);
    return words;
}

} // namespace

MciInterpreter::MciInterpreter(MediaPlayer &player, QObject *parent) : QObject(parent), m_player(player)
{
    connect(&m_player, &MediaPlayer::positionChanged, this, &MciInterpreter::positionReached);
    // Where "play ... to" stops belongs to the medium it was typed for.
    connect(&m_player, &MediaPlayer::fileOpened, this, [this] { m_stopAt = -1; });
}

QString MciInterpreter::modeWord(int mode)
{
    switch (mode) {
    case MediaPlayer::Playing:
        return QStringLiteral("playing");
    case MediaPlayer::Paused:
        return QStringLiteral("paused");
    case MediaPlayer::Stopped:
        return QStringLiteral("stopped");
    case MediaPlayer::Seeking:
        return QStringLiteral("seeking");
    case MediaPlayer::Open:
        return QStringLiteral("open");
    default:
        return QStringLiteral("not ready");
    }
}

QString MciInterpreter::run(const QString &command)
{
    const QStringList words = wordsOf(command);
    if (words.isEmpty())
        return UnknownCommand;
    const QString &verb = words.first();
    if (is(verb, "open")) {
        if (words.size() > 2)
            return BadParameter;
        m_player.open(words.size() == 2 ? words.at(1) : m_player.fileName());
        return {};
    }
    if (is(verb, "close") || is(verb, "pause") || is(verb, "resume") || is(verb, "stop")) {
        if (words.size() != 1)
            return BadParameter;
        m_stopAt = -1;
        if (is(verb, "close"))
            m_player.close();
        else if (is(verb, "pause"))
            m_player.pause();
        else if (is(verb, "resume"))
            m_player.play();
        else
            m_player.stop();
        return {};
    }
    if (is(verb, "play"))
        return play(words);
    if (is(verb, "seek"))
        return seek(words);
    if (is(verb, "status"))
        return status(words);
    if (is(verb, "set"))
        return set(words);
    if (is(verb, "setaudio"))
        return setAudio(words);
    return UnknownCommand;
}

QString MciInterpreter::play(const QStringList &words)
{
    std::optional<qint64> from;
    std::optional<qint64> to;
    for (qsizetype i = 1; i < words.size(); i += 2) {
        const std::optional<qint64> value = i + 1 < words.size() ? number(words.at(i + 1)) : std::nullopt;
        if (!value)
            return BadParameter;
        if (is(words.at(i), "from") && !from)
            from = value;
        else if (is(words.at(i), "to") && !to)
            to = value;
        else
            return BadParameter;
    }
    if (from)
        m_player.seek(*from);
    m_stopAt = to.value_or(-1);
    m_player.play();
    return {};
}

QString MciInterpreter::seek(const QStringList &words)
{
    if (words.size() != 3 || !is(words.at(1), "to"))
        return BadParameter;
    const QString &where = words.at(2);
    std::optional<qint64> target = number(where);
    if (is(where, "start"))
        target = 0;
    else if (is(where, "end"))
        target = qMax<qint64>(0, m_player.length());
    if (!target)
        return BadParameter;
    m_stopAt = -1;
    m_player.seek(*target);
    return {};
}

QString MciInterpreter::status(const QStringList &words)
{
    const QString item = words.mid(1).join(QLatin1Char(' '));
    if (is(item, "mode"))
        return modeWord(m_player.mode());
    // Without a medium the numbers are not known: a caller keeps the ones it had.
    if (is(item, "length"))
        return m_player.length() < 0 ? NoMedium : QString::number(m_player.length());
    if (is(item, "position"))
        return m_player.length() < 0 ? NoMedium : QString::number(qMax<qint64>(0, m_player.position()));
    if (is(item, "ready"))
        return m_player.length() >= 0 ? QStringLiteral("true") : QStringLiteral("false");
    if (is(item, "speed"))
        return QString::number(m_player.speed());
    if (is(item, "volume"))
        return QString::number(m_player.volume());
    if (is(item, "time format"))
        return QStringLiteral("milliseconds");
    return BadParameter;
}

QString MciInterpreter::set(const QStringList &words)
{
    if (words.size() == 3 && is(words.at(1), "speed")) {
        const std::optional<qint64> speed = number(words.at(2));
        if (!speed || *speed < 1 || *speed > 100000)
            return BadParameter;
        m_player.setSpeed(int(*speed));
        return {};
    }
    if (words.size() == 4 && is(words.at(1), "time") && is(words.at(2), "format") &&
        (is(words.at(3), "milliseconds") || is(words.at(3), "ms")))
        return {};
    if (words.size() == 4 && is(words.at(1), "audio") && is(words.at(2), "all") &&
        (is(words.at(3), "on") || is(words.at(3), "off"))) {
        m_player.setAudioOn(is(words.at(3), "on"));
        return {};
    }
    return BadParameter;
}

QString MciInterpreter::setAudio(const QStringList &words)
{
    if (words.size() != 4 || !is(words.at(1), "volume") || !is(words.at(2), "to"))
        return BadParameter;
    const std::optional<qint64> volume = number(words.at(3));
    if (!volume || *volume > 1000)
        return BadParameter;
    m_player.setVolume(int(*volume));
    return {};
}

void MciInterpreter::positionReached(qint64 milliseconds)
{
    if (m_stopAt >= 0 && milliseconds >= m_stopAt && m_player.mode() == MediaPlayer::Playing) {
        m_stopAt = -1;
        m_player.stop();
    }
}
