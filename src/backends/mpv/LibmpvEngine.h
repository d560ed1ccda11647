// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MpvEngine.h"

#include <vector>

struct mpv_handle;

// A player over a libmpv handle of its own.
class LibmpvEngine : public MpvEngine
{
public:
    // Takes the started handle.
    explicit LibmpvEngine(mpv_handle *handle);
    ~LibmpvEngine() override;
    LibmpvEngine(const LibmpvEngine &) = delete;
    LibmpvEngine &operator=(const LibmpvEngine &) = delete;

    qint64 loadFile(const QByteArray &path) override;
    void stop() override;
    void seek(double seconds) override;
    void setPaused(bool paused) override;
    void setSpeed(double factor) override;
    void setVolume(double percent) override;
    void setMuted(bool muted) override;
    void setAudioFilters(const char *filters) override;
    std::optional<double> numberProperty(const char *name) override;
    std::optional<qint64> integerProperty(const char *name) override;
    void observeNumber(const char *name) override;
    void observeFlag(const char *name) override;
    void observeStructure(const char *name) override;
    void askProperty(quint64 reply, const char *name) override;
    void runCommand(quint64 reply, const QList<QByteArray> &arguments) override;
    void setWakeUpCallback(std::function<void()> wakeUp) override;
    std::optional<Event> nextEvent() override;
    void addReadOnlyProtocol(const QByteArray &protocol, StreamOpener open) override;
    std::unique_ptr<MpvVideoRenderer> createVideoRenderer(ProcAddress procAddress) override;

private:
    void command(std::initializer_list<const char *> arguments);
    void setFlag(const char *name, bool on);
    void setNumber(const char *name, double value);

    mpv_handle *m_mpv;
    std::function<void()> m_wakeUp;
    // libmpv holds a pointer to each opener for as long as the handle lives.
    std::vector<std::unique_ptr<StreamOpener>> m_openers;
    // The entry of the file libmpv started last.
    qint64 m_startedEntry = 0;
};
