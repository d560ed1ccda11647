// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/PictureDecoder.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

class PictureLoader;
class PictureAnimation;
class PicturePreloader;

// The picture panel of the player pane: the chosen picture fitted into it and centred, never
// enlarged, fitted again when the panel changes size. A picture is decoded once the panel is shown,
// at the size it is shown at. Animated pictures play. A picture that
// cannot be read shows the error picture. Clicking asks for the full-screen viewer.
class PicturePanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ErrorPictureSize = 100;

    explicit PicturePanel(QWidget *parent = nullptr);
    ~PicturePanel() override;

    // Where pictures decoded ahead are taken from.
    void setPreloader(PicturePreloader *preloader);
    void showPicture(const QString &path);
    void clear();
    QString path() const { return m_path; }
    // The picture could not be read and the error picture shows.
    bool showsError() const { return m_error; }
    // Where the picture is drawn in the panel.
    QRect pictureArea() const;

Q_SIGNALS:
    // A left click; showsError() tells whether there is a picture to view.
    void clicked();
    // A picture (or the error picture) is shown.
    void shown(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void loaded(const QString &path, const PictureDecoder::Result &result);
    // Decodes the picture again for the panel's size, unless it was for that size.
    void refit();
    // Until the picture asked for is delivered, the window takes it whenever it is about to be
    // drawn.
    void watchWindowDrawn(bool watch);
    void startAnimation();
    void stopAnimation();

    PictureLoader *m_loader = nullptr;
    QString m_path;
    QImage m_image;
    QSize m_naturalSize;
    bool m_error = false;
    bool m_animated = false;
    PictureAnimation *m_animation = nullptr;
    // While it runs, a change of size waits for it to fit the picture again.
    QTimer *m_refit = nullptr;
    // The panel's size the picture was last asked for at; none before it is asked for.
    QSize m_loadedFor;
    QPointer<QWindow> m_watchedWindow;
};
