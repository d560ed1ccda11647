// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class MediaPlayer;

// Turns media control command strings into player operations and answers as the callers expect:
// "status mode" gives a mode word ("playing", "paused", "stopped", "seeking", "not ready",
// "open"), "status length" the length in decimal milliseconds. Words are case-insensitive and
// blanks may be doubled; an unknown or malformed command answers with an error text and changes
// nothing.
class MciInterpreter : public QObject
{
    Q_OBJECT

public:
    static inline const QString UnknownCommand = QStringLiteral("Error: unknown command");
    static inline const QString BadParameter = QStringLiteral("Error: missing or invalid parameter");
    static inline const QString NoMedium = QStringLiteral("Error: no medium is open");

    explicit MciInterpreter(MediaPlayer &player, QObject *parent = nullptr);

    // The reply; empty for commands that answer nothing.
    QString run(const QString &command);

    static QString modeWord(int mode);

private:
    QString play(const QStringList &words);
    QString seek(const QStringList &words);
    QString status(const QStringList &words);
    QString set(const QStringList &words);
    QString setAudio(const QStringList &words);
    void positionReached(qint64 milliseconds);

    MediaPlayer &m_player;
    // Where "play ... to n" stops; -1 for none.
    qint64 m_stopAt = -1;
};
