// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MpvStream.h"
#include "playback/MpvVideoRenderer.h"

#include <QByteArray>
#include <QList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

// One libmpv player. Its events are queued by libmpv and read with nextEvent() after the wake-up
// callback, which is called on libmpv's own thread. Failures are logged by the engine.
class MpvEngine
{
public:
    struct Event
    {
        enum class Kind
        {
            FileLoaded,
            // The file cannot be played.
            FileFailed,
            // An observed property changed.
            PropertyChanged,
            // The value of a property asked for with askProperty.
            PropertyReply,
            // A command run with runCommand has ended; the value is true when it succeeded.
            CommandReply
        };
        Kind kind = Kind::FileLoaded;
        QByteArray property;
        quint64 reply = 0;
        // A double, a bool, or the property's structure as maps, lists and strings; invalid when the
        // property has no value now.
        QVariant value;
        // For a file loaded or failed: the entry loadFile gave it, 0 when not known.
        qint64 entry = 0;
    };
    // Opens the stream a URI of the protocol names; nothing when it cannot be opened.
    using StreamOpener = std::function<std::unique_ptr<MpvStream>(const QByteArray &uri)>;
    using ProcAddress = std::function<void *(const char *name)>;

    // Stops libmpv; no wake-up comes after.
    virtual ~MpvEngine() = default;

    // Replaces the medium with the file (or URI) of these bytes; the number the file's events carry
    // as their entry, 0 when it cannot be told.
    virtual qint64 loadFile(const QByteArray &path) = 0;
    virtual void stop() = 0;
    // To the exact frame, not the nearest key frame.
    virtual void seek(double seconds) = 0;
    virtual void setPaused(bool paused) = 0;
    virtual void setSpeed(double factor) = 0;
    virtual void setVolume(double percent) = 0;
    virtual void setMuted(bool muted) = 0;
    // The sound's filters, in libmpv's notation; none when empty.
    virtual void setAudioFilters(const char *filters) = 0;
    virtual std::optional<double> numberProperty(const char *name) = 0;
    virtual std::optional<qint64> integerProperty(const char *name) = 0;
    // The property's changes come as events, its value a double, a bool, or its structure as maps,
    // lists and strings.
    virtual void observeNumber(const char *name) = 0;
    virtual void observeFlag(const char *name) = 0;
    virtual void observeStructure(const char *name) = 0;
    // Asks without waiting: the answer comes as an event carrying the reply number.
    virtual void askProperty(quint64 reply, const char *name) = 0;
    // Runs a command without waiting: its end comes as an event carrying the reply number.
    virtual void runCommand(quint64 reply, const QList<QByteArray> &arguments) = 0;
    virtual void setWakeUpCallback(std::function<void()> wakeUp) = 0;
    // The next event; nothing when none is waiting.
    virtual std::optional<Event> nextEvent() = 0;
    // URIs "protocol://..." are read through streams the opener makes, on libmpv's threads.
    virtual void addReadOnlyProtocol(const QByteArray &protocol, StreamOpener open) = 0;
    // A renderer made in the current OpenGL context, whose functions procAddress finds; nothing
    // when libmpv cannot draw there.
    virtual std::unique_ptr<MpvVideoRenderer> createVideoRenderer(ProcAddress procAddress) = 0;
};
