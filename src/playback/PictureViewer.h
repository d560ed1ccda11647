// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/PictureDecoder.h"

#include <QDialog>
#include <functional>

class PictureAnimation;
class PictureLoader;
class QLabel;
class QTimer;

// The full-screen picture viewer: the picture at its own size on black, centred (a larger one
// overflows on every side), moved with the left mouse button. Keys step through the folder, mark
// pictures for the EditList and run the slide show; after every change a banner shows the file's
// name and information for three seconds. It stays on top of other windows while open.
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

    PictureViewer(const Hooks &hooks, QWidget *parent = nullptr);
    ~PictureViewer() override;

    // Shows a picture, decoded at its own size.
    void showPicture(const QString &path);
    QString path() const { return m_path; }
    // Where the picture's top left corner is, in the window.
    QPoint pictureOrigin() const { return m_origin; }
    bool bannerShown() const;
    QString bannerText() const;
    bool markShown() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void loaded(const QString &path, const PictureDecoder::Result &result);
    void centrePicture();
    void showBanner();
    void checkMark();
    bool onPicture(const QPoint &point) const;
    void setTopmost(bool on);

    Hooks m_hooks;
    PictureLoader *m_loader = nullptr;
    PictureAnimation *m_animation = nullptr;
    QString m_path;
    QImage m_image;
    QPoint m_origin;
    bool m_dragging = false;
    QPoint m_pressedAt;
    QPoint m_originAtPress;
    QLabel *m_banner = nullptr;
    QLabel *m_mark = nullptr;
    QTimer *m_bannerTimer = nullptr;
};
