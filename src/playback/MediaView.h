// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QOpenGLWidget>

struct mpv_handle;
struct mpv_render_context;

// Shows the video of an mpv player: each new frame is drawn into the widget through libmpv's
// render API. The player must outlive the view.
class MediaView : public QOpenGLWidget
{
    Q_OBJECT

public:
    MediaView(mpv_handle *player, QWidget *parent = nullptr);
    ~MediaView() override;

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void releaseRenderer();

    mpv_handle *m_player;
    mpv_render_context *m_render = nullptr;
};
