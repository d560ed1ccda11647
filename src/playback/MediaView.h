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
    // The player is asked for when the view is first drawn; a view shown before anything was
    // played starts libmpv then.
    MediaView(std::function<MpvEngine *()> player, QWidget *parent = nullptr);
    ~MediaView() override;

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

    std::function<MpvEngine *()> m_playerSource;
    std::unique_ptr<MpvVideoRenderer> m_renderer;
    bool m_readyToDraw = false;
};
