// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>

class MpvEngine;
class PictureLoader;
class VideoSurface;

// Shows what an mpv player plays: a video in a native surface of its own, a song's cover or a
// music note drawn like any widget. The player must outlive the view.
class MediaView : public QWidget
{
    Q_OBJECT

public:
    // What the view shows: black while a medium opens or when none is open, a video, the cover
    // picture of a song, or a music note for a sound without a picture.
    enum class Content
    {
        Nothing,
        Video,
        Cover,
        MusicGlyph
    };
    Q_ENUM(Content)

    // The player is asked for when the view is first shown; a view shown before anything was
    // played starts libmpv then.
    MediaView(std::function<MpvEngine *()> player, QWidget *parent = nullptr);

    // The cover is the picture file shown for Content::Cover.
    void setContent(Content content, const QString &cover = QString());

    // Whether the view has set up its drawing (with or without a renderer): a file the player
    // starts from then on shows its video here.
    bool isReadyToDraw() const;

Q_SIGNALS:
    void readyToDraw();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showSurfaceWhenNeeded();
    void loadCover();
    void paintCover(QPainter &painter);
    void paintGlyph(QPainter &painter);

    VideoSurface *m_surface;
    QWidget *m_surfaceBox;
    PictureLoader *m_coverLoader;
    Content m_content = Content::Nothing;
    QString m_cover;
    // The cover as decoded, at most the view's size, and as last drawn at the view's size.
    QImage m_coverImage;
    QSize m_coverNaturalSize;
    QPixmap m_coverShown;
};
