// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MediaPlayer.h"
#include "playback/MediaView.h"
#include "playback/MidiStreamSource.h"
#include "playback/MpvEngine.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QSize>
#include <atomic>
#include <memory>

class MediaView;
class QTimer;

// The player over libmpv, which the mpv module carries (MpvEngine). libmpv reports from its own
// thread; its events are read on the GUI thread, where the signals are raised.
class MpvPlayer : public MediaPlayer
{
    Q_OBJECT

public:
    struct Options
    {
        // Without audio output the clock still runs (tests, machines without sound).
        bool audio = true;
        // Video is drawn by a view from createVideoView; without it no video is shown.
        bool video = false;
    };

    explicit MpvPlayer(const Options &options, QObject *parent = nullptr);
    ~MpvPlayer() override;
    // Ends libmpv as the program ends, waiting for it no longer than withinMs: false when it is
    // still busy then (probing a large file that is no medium, which it cannot break off). Nothing
    // starts it again afterwards.
    bool finish(int withinMs);

    // Starts libmpv when it has not started yet (the first file opened starts it: a program that
    // plays nothing never loads it). False when it cannot be started; every operation then does
    // nothing.
    bool start();

    void open(const QString &path) override;
    void close() override;
    QString fileName() const override { return m_file; }
    void play() override;
    void pause() override;
    void stop() override;
    void seek(qint64 milliseconds) override;
    qint64 length() const override { return m_loaded ? m_length : -1; }
    qint64 position() const override { return m_position; }
    int mode() const override;
    bool playsOn() const override;
    void setSpeed(int thousandths) override;
    int speed() const override { return m_speed; }
    void setVolume(int perMille) override;
    int volume() const override { return m_volume; }
    void setAudioOn(bool on) override;
    void setLevelsMeasured(bool measured) override;
    QSize videoSize() const override;
    QWidget *createVideoView(QWidget *parent) override;
    // What its video views show now.
    MediaView::Content viewContent() const { return m_viewContent; }

Q_SIGNALS:
    void viewContentChanged(MediaView::Content content, const QString &cover);

private:
    // Whether video is drawn at all: asked for, on a platform that gives OpenGL contexts.
    bool drawsVideo() const;
    void load(const QString &file);
    void loadWaitingFile();
    void playMidi(const QString &path);
    // A synthesiser that could not be loaded for the song rendered is told once.
    void tellMidiFailure(const QString &moduleFailure);
    // Emits partUnavailable once the call that found the part missing has ended.
    void tellUnavailable(const QString &text);
    void readEvents();
    void handle(const MpvEngine::Event &event);
    void propertyChanged(const QByteArray &name, const QVariant &value);
    void setPaused(bool paused);
    void tellVideoSize();
    void reportMode();
    void tellLevels();
    // The open medium is described from properties asked for together once it has opened; its
    // cover picture is shown and kept in a file before the description is told.
    void describe();
    void forgetDescription();
    void propertyArrived(quint64 reply, const QVariant &value);
    void described();
    void showEmbeddedCover();
    void showCoverBeside();
    void coverArrived(quint64 reply, bool succeeded);
    void reportDescription();
    void setViewContent(MediaView::Content content, const QString &cover = QString());

    std::unique_ptr<MpvEngine> m_engine;
    Options m_options;
    bool m_startFailed = false;
    bool m_finished = false;
    bool m_synthesiserUnavailableTold = false;
    bool m_audioOn = true;
    // Whether the files opened from now on have their levels measured, and whether libmpv's
    // filters measure them now.
    bool m_levelsMeasured = true;
    bool m_measuring = false;
    QString m_file;
    bool m_loaded = false;
    bool m_paused = true;
    bool m_stopped = true;
    bool m_seeking = false;
    bool m_atEnd = false;
    qint64 m_length = 0;
    qint64 m_position = 0;
    int m_speed = 1000;
    int m_volume = 1000;
    int m_reportedMode = NotReady;
    QSize m_toldVideoSize;
    // Whether a reading of libmpv's events is on its way to the GUI thread.
    std::atomic_bool m_eventsAwaited = false;
    // Whether the levels are told, and the filter's last measures.
    bool m_metering = false;
    QVariant m_levels;
    // The views made for this player, and the file waiting for one of them to set up its drawing.
    QList<QPointer<MediaView>> m_views;
    QByteArray m_waitingFile;
    // The entry libmpv gave the file loaded last.
    qint64 m_entry = 0;
    QTimer *m_drawingWait = nullptr;
    quint64 m_nextReply;
    // The properties asked for the description, by reply number, and those that have come.
    QHash<quint64, QByteArray> m_asked;
    QVariantMap m_answers;
    MediaFacts m_facts;
    // The command writing out a song's own cover, and the file it goes to.
    quint64 m_coverReply = 0;
    QString m_cover;
    MediaView::Content m_viewContent = MediaView::Content::Nothing;
    QString m_viewCover;
    // The MIDI song being rendered and played while it grows.
    MidiStreamSource m_midi;
};
