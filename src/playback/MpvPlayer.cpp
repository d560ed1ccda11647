// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MpvPlayer.h"

#include "pictures/CoverFinder.h"
#include "platform/ModuleLoader.h"
#include "platform/NativePath.h"
#include "playback/AudioLevel.h"
#include "playback/CoverCache.h"
#include "playback/MidiCache.h"
#include "playback/MidiRenderer.h"
#include "playback/MidiRendering.h"
#include "playback/MidiStreamSource.h"
#include "playback/MpvModule.h"
#include "playback/MpvStartSettings.h"
#include "playback/VideoSurface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <future>
#include <thread>
#include <utility>

namespace {

// The level meter's figures come from a filter that measures each block of sound. Only the peaks
// are measured: all its measures cost more than the rest of playing a song. The blocks are a tenth
// of a second at CD rate (the last one shorter, never padded with silence): a song's frames are
// some 26 ms, and each frame that carries figures costs libmpv and the window a round of work,
// more than the measuring does, for a meter that cannot be read faster than ten times a second.
constexpr char LevelFilter[] = "@meter:lavfi=[asetnsamples=n=4410:p=0,astats=metadata=1:reset=1:"
                               "measure_perchannel=Peak_level:measure_overall=none]";
constexpr char LevelProperty[] = "af-metadata/meter";
// The entry of no file: events of files replaced before the new one loads are not taken for it.
constexpr qint64 NoEntry = -1;
// How long a file waits for its view to set up its drawing before it starts without video.
constexpr int DrawingWaitMs = 2000;

// Replies are numbered as they are asked for, from here on.
constexpr quint64 FirstCountedReply = 1;

// The picture file being written for a cover, which libmpv writes in the format its name ends in.
QString partOf(const QString &cover)
{
    return cover.chopped(4) + QStringLiteral(".part.jpg");
}

// What a medium is described from; libmpv knows them all once the file has opened.
constexpr const char *DescribingProperties[] = {"metadata",  "track-list",   "duration",    "file-format",
                                                "file-size", "audio-params", "video-params"};

} // namespace

MpvPlayer::MpvPlayer(const Options &options, QObject *parent)
    : MediaPlayer(parent), m_options(options), m_nextReply(FirstCountedReply)
{
    m_drawingWait = new QTimer(this);
    m_drawingWait->setSingleShot(true);
    m_drawingWait->setInterval(DrawingWaitMs);
    connect(m_drawingWait, &QTimer::timeout, this, &MpvPlayer::loadWaitingFile);
}

bool MpvPlayer::start()
{
    if (m_engine || m_startFailed || m_finished)
        return m_engine != nullptr;
    // libmpv refuses to start unless numbers are written the C way.
    std::setlocale(LC_NUMERIC, "C");
    QString failure;
    MpvModule *module = ModuleLoader::load<MpvModule>(QStringLiteral("mpv"), &failure);
    m_engine = module ? module->createEngine(MpvStartSettings::of(drawsVideo(), m_options.audio)) : nullptr;
    m_startFailed = m_engine == nullptr;
    if (!module)
        tellUnavailable(tr("The player for sound and video (libmpv) cannot be loaded: %1").arg(failure));
    else if (!m_engine)
        tellUnavailable(tr("The player for sound and video (libmpv) cannot be started."));
    if (!m_engine)
        return false;
    m_engine->addReadOnlyProtocol(MidiStreamSource::Protocol,
                                  [this](const QByteArray &uri) { return m_midi.open(uri); });
    m_engine->observeNumber("time-pos");
    m_engine->observeNumber("duration");
    m_engine->observeFlag("pause");
    m_engine->observeFlag("seeking");
    m_engine->observeFlag("eof-reached");
    m_engine->observeNumber("dwidth");
    m_engine->observeNumber("dheight");
    // The filter's measures come with the position's changes, in the same wake-up: asking for them
    // would wake both libmpv and the program once more for each.
    m_engine->observeStructure(LevelProperty);
    // Called on libmpv's thread: the events are read on the GUI thread, all that have come by
    // then in one go.
    m_engine->setWakeUpCallback([this] {
        if (!m_eventsAwaited.exchange(true))
            QMetaObject::invokeMethod(this, &MpvPlayer::readEvents, Qt::QueuedConnection);
    });
    // What was set before libmpv ran.
    m_engine->setSpeed(m_speed / 1000.0);
    setVolume(m_volume);
    setAudioOn(m_audioOn);
    return true;
}

bool MpvPlayer::finish(int withinMs)
{
    m_finished = true;
    if (!m_engine)
        return true;
    std::promise<void> ended;
    std::future<void> end = ended.get_future();
    std::thread([engine = std::move(m_engine), ended = std::move(ended)]() mutable {
        engine.reset();
        ended.set_value();
    }).detach();
    return end.wait_for(std::chrono::milliseconds(withinMs)) == std::future_status::ready;
}

MpvPlayer::~MpvPlayer()
{
    // libmpv stops before the song it may still be reading goes.
    m_engine.reset();
}

void MpvPlayer::tellUnavailable(const QString &text)
{
    // Told after the call that found it missing has ended, as a file's failure is.
    QMetaObject::invokeMethod(
        this, [this, text] { Q_EMIT partUnavailable(text); }, Qt::QueuedConnection);
}

void MpvPlayer::open(const QString &path)
{
    if (path.isEmpty() && !m_engine)
        return;
    if (!path.isEmpty() && !start()) {
        // Nothing can play: the file fails as one that cannot be played does.
        QMetaObject::invokeMethod(
            this, [this, path] { Q_EMIT fileFailed(path); }, Qt::QueuedConnection);
        return;
    }
    if (path.isEmpty()) {
        close();
        return;
    }
    m_file = path;
    m_loaded = false;
    m_stopped = true;
    m_atEnd = false;
    m_position = 0;
    m_toldVideoSize = {};
    m_levels.clear();
    forgetDescription();
    setPaused(true);
    m_midi.end();
    m_waitingFile.clear();
    // Nothing reported from here on belongs to the new file until it is loaded.
    m_entry = NoEntry;
    if (MidiRenderer::isMidi(path))
        playMidi(path);
    else
        load(path);
    reportMode();
}

void MpvPlayer::load(const QString &file)
{
    m_waitingFile = NativePath::toBytes(file);
    // libmpv gives video only to a file started after its view can draw: a view on the screen
    // that is still setting up is waited for, a while at most.
    const bool viewSettingUp =
        std::any_of(m_views.cbegin(), m_views.cend(), [](const QPointer<MediaView> &view) {
            return view && view->isVisible() && !view->isReadyToDraw();
        });
    if (viewSettingUp)
        m_drawingWait->start();
    else
        loadWaitingFile();
}

void MpvPlayer::loadWaitingFile()
{
    m_drawingWait->stop();
    if (!m_engine || m_waitingFile.isEmpty())
        return;
    // Changed only as a file is loaded: the medium before is paused by then and goes, where
    // changing the filters of a sound that plays on would break it for a moment.
    if (m_measuring != m_levelsMeasured) {
        m_measuring = m_levelsMeasured;
        m_engine->setAudioFilters(m_measuring ? LevelFilter : "");
    }
    m_entry = m_engine->loadFile(std::exchange(m_waitingFile, {}));
}

void MpvPlayer::playMidi(const QString &path)
{
    const QString kept = MidiRenderer::renderingOf(path);
    if (QFileInfo::exists(kept)) {
        MidiCache::markUsed(kept);
        load(kept);
        return;
    }
    auto rendering = std::make_shared<MidiRendering>(path, kept);
    // The synthesiser is loaded on the rendering's thread, which may have failed already.
    if (!rendering->problem().isEmpty()) {
        tellMidiFailure(rendering->moduleFailure());
        m_engine->stop();
        QMetaObject::invokeMethod(
            this,
            [this, path] {
                if (m_file == path)
                    Q_EMIT fileFailed(path);
            },
            Qt::QueuedConnection);
        return;
    }
    load(m_midi.offer(std::move(rendering)));
}

void MpvPlayer::tellMidiFailure(const QString &moduleFailure)
{
    if (!moduleFailure.isEmpty() && !std::exchange(m_synthesiserUnavailableTold, true))
        tellUnavailable(tr("The MIDI synthesiser (FluidSynth) cannot be loaded: %1").arg(moduleFailure));
}

void MpvPlayer::close()
{
    if (!m_engine)
        return;
    m_engine->stop();
    m_midi.end();
    m_waitingFile.clear();
    m_drawingWait->stop();
    m_file.clear();
    forgetDescription();
    m_loaded = false;
    m_stopped = true;
    m_position = 0;
    reportMode();
}

void MpvPlayer::play()
{
    if (!m_engine || m_file.isEmpty())
        return;
    if (m_atEnd)
        seek(0);
    m_stopped = false;
    setPaused(false);
    reportMode();
}

void MpvPlayer::pause()
{
    if (!m_engine || m_file.isEmpty())
        return;
    m_stopped = false;
    setPaused(true);
    reportMode();
}

void MpvPlayer::stop()
{
    if (!m_engine || m_file.isEmpty())
        return;
    m_stopped = true;
    setPaused(true);
    reportMode();
}

void MpvPlayer::seek(qint64 milliseconds)
{
    if (!m_engine || m_file.isEmpty())
        return;
    m_stopped = true;
    setPaused(true);
    m_engine->seek(double(milliseconds) / 1000.0);
    m_position = milliseconds;
    m_atEnd = false;
    reportMode();
}

int MpvPlayer::mode() const
{
    if (m_file.isEmpty() || !m_loaded)
        return NotReady;
    if (m_seeking)
        return Seeking;
    if (m_stopped || m_atEnd)
        return Stopped;
    return m_paused ? Paused : Playing;
}

bool MpvPlayer::playsOn() const
{
    // Told to play while libmpv seeks (as it does when a file starts), the player reports the seek
    // and never the playing in between: what it was told is known here.
    return mode() != NotReady && !m_stopped && !m_paused && !m_atEnd;
}

void MpvPlayer::setSpeed(int thousandths)
{
    // Each file's start sets the speed again: unchanged, libmpv's core, busy opening the file, is
    // not waited for.
    const int speed = qBound(10, thousandths, 100000);
    if (speed == std::exchange(m_speed, speed))
        return;
    if (m_engine)
        m_engine->setSpeed(m_speed / 1000.0);
}

void MpvPlayer::setVolume(int perMille)
{
    const int volume = qBound(0, perMille, 1000);
    const bool changed = volume != m_volume;
    m_volume = volume;
    if (m_engine)
        m_engine->setVolume(m_volume / 10.0);
    if (changed)
        Q_EMIT volumeChanged(m_volume);
}

void MpvPlayer::setAudioOn(bool on)
{
    m_audioOn = on;
    if (m_engine)
        m_engine->setMuted(!on);
}

void MpvPlayer::setLevelsMeasured(bool measured)
{
    m_levelsMeasured = measured;
}

QSize MpvPlayer::videoSize() const
{
    if (!m_engine)
        return {};
    const std::optional<qint64> width = m_engine->integerProperty("dwidth");
    const std::optional<qint64> height = m_engine->integerProperty("dheight");
    if (!width || !height)
        return {};
    return {int(*width), int(*height)};
}

bool MpvPlayer::drawsVideo() const
{
    return m_options.video && VideoSurface::openGlAvailable();
}

QWidget *MpvPlayer::createVideoView(QWidget *parent)
{
    if (!drawsVideo())
        return nullptr;
    auto *view = new MediaView([this] { return start() ? m_engine.get() : nullptr; }, parent);
    m_views.removeAll(nullptr);
    m_views.append(view);
    connect(view, &MediaView::readyToDraw, this, &MpvPlayer::loadWaitingFile);
    // A view gone before it could draw keeps nobody waiting.
    connect(view, &QObject::destroyed, this, &MpvPlayer::loadWaitingFile);
    view->setContent(m_viewContent, m_viewCover);
    connect(this, &MpvPlayer::viewContentChanged, view, &MediaView::setContent);
    return view;
}

void MpvPlayer::setPaused(bool paused)
{
    m_paused = paused;
    m_engine->setPaused(paused);
}

void MpvPlayer::readEvents()
{
    // Events coming from here on are told again.
    m_eventsAwaited = false;
    while (m_engine) {
        const std::optional<MpvEngine::Event> event = m_engine->nextEvent();
        if (!event)
            break;
        handle(*event);
    }
}

void MpvPlayer::handle(const MpvEngine::Event &event)
{
    // A file replaced while it opened still reports its opening, or its failure, after the open of
    // the one that replaced it: those reports are not this file's.
    const bool opening =
        event.kind == MpvEngine::Event::Kind::FileLoaded || event.kind == MpvEngine::Event::Kind::FileFailed;
    if (opening && event.entry != 0 && m_entry != 0 && event.entry != m_entry)
        return;
    switch (event.kind) {
    case MpvEngine::Event::Kind::FileLoaded:
        m_loaded = true;
        // The length is asked at once: its change notice may come only after the file opened.
        if (const std::optional<double> duration = m_engine->numberProperty("duration"))
            m_length = std::llround(*duration * 1000);
        Q_EMIT fileOpened(m_file);
        reportMode();
        describe();
        break;
    case MpvEngine::Event::Kind::FileFailed:
        // A file that cannot be played stays closed; its length is not reported.
        m_loaded = false;
        forgetDescription();
        tellMidiFailure(m_midi.moduleFailure());
        Q_EMIT fileFailed(m_file);
        reportMode();
        break;
    case MpvEngine::Event::Kind::PropertyReply:
        propertyArrived(event.reply, event.value);
        break;
    case MpvEngine::Event::Kind::CommandReply:
        coverArrived(event.reply, event.value.toBool());
        break;
    case MpvEngine::Event::Kind::PropertyChanged:
        propertyChanged(event.property, event.value);
        break;
    }
}

void MpvPlayer::propertyChanged(const QByteArray &name, const QVariant &value)
{
    const bool present = value.isValid();
    // At the end the position is the length, which is what tells the automatic advance (and the
    // desktop) that the medium is done: the time of the last frame, which libmpv may tell after
    // the end, falls a little before or after it.
    if (name == "time-pos" && present && !(m_atEnd && m_loaded)) {
        m_position = std::llround(value.toDouble() * 1000);
        Q_EMIT positionChanged(m_position);
    } else if (name == LevelProperty) {
        // Kept: a sound of one steady level changes it once, maybe before it plays.
        m_levels = value;
        if (m_metering)
            tellLevels();
    } else if (name == "duration" && present) {
        m_length = std::llround(value.toDouble() * 1000);
    } else if (name == "seeking") {
        m_seeking = value.toBool();
    } else if (name == "dwidth" || name == "dheight") {
        tellVideoSize();
    } else if (name == "eof-reached") {
        m_atEnd = value.toBool();
        if (m_atEnd && m_loaded && m_position != m_length) {
            m_position = m_length;
            Q_EMIT positionChanged(m_position);
        }
    }
    reportMode();
}

void MpvPlayer::tellVideoSize()
{
    const QSize size = videoSize();
    if (!size.isEmpty() && size != std::exchange(m_toldVideoSize, size))
        Q_EMIT videoSizeChanged(size);
}

void MpvPlayer::reportMode()
{
    const int now = mode();
    if (now == m_reportedMode)
        return;
    m_reportedMode = now;
    if (now == Playing) {
        m_metering = true;
        tellLevels();
    } else if (std::exchange(m_metering, false)) {
        Q_EMIT levelsChanged(0, 0);
    }
    Q_EMIT modeChanged(now);
}

void MpvPlayer::tellLevels()
{
    if (m_levels.typeId() != QMetaType::QVariantMap || mode() != Playing)
        return;
    const QVariantMap map = m_levels.toMap();
    const auto peak = [&map](const QString &key) {
        const QVariant value = map.value(key);
        return value.typeId() == QMetaType::QString ? AudioLevel::fromDecibels(value.toString()) : -1.0;
    };
    const double left = peak(QStringLiteral("lavfi.astats.1.Peak_level"));
    const double right = peak(QStringLiteral("lavfi.astats.2.Peak_level"));
    if (left < 0)
        return;
    // A single channel shows on both sides.
    Q_EMIT levelsChanged(left, right < 0 ? left : right);
}

void MpvPlayer::forgetDescription()
{
    // Answers still to come about the medium before are not waited for.
    m_asked.clear();
    m_answers.clear();
    m_coverReply = 0;
    setViewContent(MediaView::Content::Nothing);
}

void MpvPlayer::describe()
{
    forgetDescription();
    for (const char *name : DescribingProperties) {
        const quint64 reply = m_nextReply++;
        m_asked.insert(reply, name);
        m_engine->askProperty(reply, name);
    }
}

void MpvPlayer::propertyArrived(quint64 reply, const QVariant &value)
{
    const auto asked = m_asked.constFind(reply);
    if (asked == m_asked.cend())
        return;
    m_answers.insert(QString::fromLatin1(*asked), value);
    m_asked.erase(asked);
    if (m_asked.isEmpty())
        described();
}

void MpvPlayer::described()
{
    m_facts = MediaFacts::read(std::exchange(m_answers, {}));
    if (m_facts.embeddedCover)
        showEmbeddedCover();
    else if (!m_facts.video)
        showCoverBeside();
    else
        reportDescription();
}

void MpvPlayer::showEmbeddedCover()
{
    // Written out once, for the view and for the desktop's player applets.
    const QString kept = CoverCache::fileFor(m_file);
    if (QFileInfo::exists(kept)) {
        CoverCache::markUsed(kept);
        m_facts.coverFile = kept;
        reportDescription();
        return;
    }
    QDir().mkpath(CoverCache::folder());
    m_cover = kept;
    m_coverReply = m_nextReply++;
    // Written under a name of its own and renamed once whole: a kept cover is never half a picture.
    m_engine->runCommand(m_coverReply, {"screenshot-to-file", NativePath::toBytes(partOf(kept)), "video"});
}

void MpvPlayer::showCoverBeside()
{
    const QString cover = CoverFinder::besides(m_file);
    if (!cover.isEmpty() && CoverFinder::isPicture(cover))
        m_facts.coverFile = cover;
    reportDescription();
}

void MpvPlayer::coverArrived(quint64 reply, bool succeeded)
{
    if (reply != m_coverReply || reply == 0)
        return;
    m_coverReply = 0;
    const QString part = partOf(m_cover);
    if (succeeded &&
        ::rename(NativePath::toBytes(part).constData(), NativePath::toBytes(m_cover).constData()) == 0) {
        CoverCache::trim();
        m_facts.coverFile = m_cover;
    } else {
        QFile::remove(part);
    }
    reportDescription();
}

void MpvPlayer::reportDescription()
{
    if (m_facts.video)
        setViewContent(MediaView::Content::Video);
    else if (!m_facts.coverFile.isEmpty())
        setViewContent(MediaView::Content::Cover, m_facts.coverFile);
    else
        setViewContent(MediaView::Content::MusicGlyph);
    Q_EMIT mediumDescribed(m_file, m_facts);
}

void MpvPlayer::setViewContent(MediaView::Content content, const QString &cover)
{
    if (content == m_viewContent && cover == m_viewCover)
        return;
    m_viewContent = content;
    m_viewCover = cover;
    Q_EMIT viewContentChanged(content, cover);
}
