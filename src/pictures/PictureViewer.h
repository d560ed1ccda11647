// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/PictureDecoder.h"
#include "pictures/PicturePosition.h"
#include "pictures/PictureZoom.h"

#include <QDialog>
#include <functional>

class PictureAnimation;
class PictureLoader;
class PicturePreloader;
class QLabel;
class QTimer;

// The full-screen picture viewer: the picture on black, centred, fitted to the screen when it is
// larger (or at its own size, overflowing on every side, when fitting is off), moved with the left
// mouse button or the arrow keys. + and - and Ctrl+wheel zoom about the pointer, 0 fits, 1 shows the
// natural size. Keys step through the folder (Left and Right too, and the wheel, while the whole
// picture is on the screen), mark pictures for the EditList and run the slide show; after every
// change a banner shows the file's name, its information, its place among the list's pictures, its
// size and a zoom other than 100 % for three seconds. It stays on top of other windows while open.
class PictureViewer : public QDialog
{
    Q_OBJECT

public:
    static constexpr int BannerMs = 3000;

    // What the viewer asks of the main window.
    struct Hooks
    {
        // The name of the entry chosen in the file list, empty for none.
        std::function<QString()> chosenName;
        // The file information of the chosen entry.
        std::function<QString()> information;
        // Where the chosen entry stands among the pictures of the file list.
        std::function<PicturePosition()> position;
        std::function<bool()> chosenIsOnEditList;
        std::function<void()> addToEditList;
        std::function<void()> removeFromEditList;
        std::function<void()> toggleAutoAdvance;
        std::function<void()> stopAutoAdvance;
        std::function<void()> nextFile;
        std::function<void()> previousFile;
        std::function<void()> deleteFile;
        // The first entry that is not a folder, and the last entry.
        std::function<void()> firstFile;
        std::function<void()> lastFile;
    };

    // fitLarge: a picture larger than the screen is shown whole, decoded at the size shown.
    PictureViewer(const Hooks &hooks, bool fitLarge, QWidget *parent = nullptr);
    ~PictureViewer() override;

    // Where pictures decoded ahead are taken from.
    void setPreloader(PicturePreloader *preloader);
    void showPicture(const QString &path);
    QString path() const { return m_path; }
    // What a picture is decoded fitted into when it is first shown; invalid for its own size.
    QSize decodingPanel() const { return m_fitLarge ? size() : QSize(); }
    // Where the picture's top left corner is, in the window.
    QPoint pictureOrigin() const { return pictureArea().topLeft(); }
    // Where the picture is drawn, and how large.
    QRect pictureArea() const { return m_zoom.area().toRect(); }
    // The size of the picture as decoded, which may be smaller than its own.
    QSize decodedSize() const { return m_image.size(); }
    bool bannerShown() const;
    QString bannerText() const;
    bool markShown() const;
    // The list has changed: a banner on the screen counts its pictures again.
    void refreshBanner();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void loaded(const QString &path, const PictureDecoder::Result &result);
    void firstLoaded(const QString &path, const PictureDecoder::Result &result);
    // The picture has a new place or size.
    void placed();
    bool zoomKey(QKeyEvent *event);
    bool arrowKey(QKeyEvent *event);
    void step(int by);
    void zoomAbout(int steps, const QPointF &anchor);
    void showBanner();
    void setBannerText();
    void checkMark();
    bool onPicture(const QPoint &point) const;
    void setTopmost(bool on);

    Hooks m_hooks;
    PictureLoader *m_loader = nullptr;
    PictureAnimation *m_animation = nullptr;
    bool m_fitLarge = true;
    QString m_path;
    QImage m_image;
    // The picture of m_path has arrived; then whether it was decoded at its own size.
    bool m_loaded = false;
    bool m_fullSize = false;
    // The picture's own size; empty for one that could not be read.
    QSize m_naturalSize;
    PictureZoom m_zoom;
    bool m_dragging = false;
    QPoint m_pressedAt;
    QPointF m_originAtPress;
    // Wheel turn not yet made a step of.
    int m_wheelTurn = 0;
    QLabel *m_banner = nullptr;
    QLabel *m_mark = nullptr;
    QTimer *m_bannerTimer = nullptr;
};
