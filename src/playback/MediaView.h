// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QOpenGLWidget>
#include <functional>
#include <memory>

class MpvEngine;
class MpvVideoRenderer;

// Shows the video of an mpv player: each new frame is drawn into the widget through libmpv's
// render API. The player must outlive the view.
class MediaView : public QOpenGLWidget
{
    Q_OBJECT

public:
    // What the view shows: black while a medium opens or when none is open, the player's pictures
    // (a video, or the cover of a song), or a music note for a sound without a picture.
    enum class Content
    {
        Nothing,
        Pictures,
        MusicGlyph
    };

    // The player is asked for when the view is first drawn; a view shown before anything was
    // played starts libmpv then.
    MediaView(std::function<MpvEngine *()> player, QWidget *parent = nullptr);
    ~MediaView() override;

    void setContent(Content content);

    // Whether the view has set up its drawing (with or without a renderer): a file the player
    // starts from then on shows its video here.
    bool isReadyToDraw() const { return m_readyToDraw; }

Q_SIGNALS:
    void readyToDraw();

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void makeRenderer();
    void releaseRenderer();
    void paintGlyph();

    std::function<MpvEngine *()> m_playerSource;
    std::unique_ptr<MpvVideoRenderer> m_renderer;
    bool m_readyToDraw = false;
    Content m_content = Content::Nothing;
};
