// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MediaPlayer.h"

#include <atomic>
#include <memory>
#include <thread>

struct mpv_handle;
struct mpv_event;

// The player over libmpv. libmpv reports from its own thread; its events are read on the GUI
// thread, where the signals are raised.
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

    // False when libmpv could not be started; every operation then does nothing.
    bool isValid() const { return m_mpv != nullptr; }

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
    void setSpeed(int thousandths) override;
    int speed() const override { return m_speed; }
    void setVolume(int perMille) override;
    int volume() const override { return m_volume; }
    void setAudioOn(bool on) override;
    QSize videoSize() const override;
    QWidget *createVideoView(QWidget *parent) override;

private:
    void load(const QString &file);
    void renderMidi(const QString &path);
    void stopRendering();
    void readEvents();
    void handle(const mpv_event &event);
    void propertyChanged(const char *name, const void *data, int format);
    void setPaused(bool paused);
    void reportMode();

    mpv_handle *m_mpv = nullptr;
    bool m_video = false;
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
    // MIDI songs are rendered on a thread of their own; a newer file cancels an older rendering.
    std::thread m_renderer;
    std::shared_ptr<std::atomic_bool> m_renderCancelled;
    int m_renderGeneration = 0;
};
