// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/Metafile.h"

#include <QByteArray>
#include <libwmf/api.h>

// A metafile read by libwmf and drawn by its PNG device.
class LibwmfMetafile : public Metafile
{
public:
    explicit LibwmfMetafile(const QByteArray &bytes);
    ~LibwmfMetafile() override;
    LibwmfMetafile(const LibwmfMetafile &) = delete;
    LibwmfMetafile &operator=(const LibwmfMetafile &) = delete;

    // False when libwmf could not read the metafile or it has no size.
    bool valid() const { return !m_size.isEmpty(); }

    QSize size() const override { return m_size; }
    QImage draw(const QSize &size) override;

private:
    // Logs libwmf's failure; true when there was none.
    static bool succeeded(wmf_error_t status, const char *step);

    // libwmf reads the bytes in place for as long as the metafile lives.
    QByteArray m_bytes;
    wmfAPI *m_api = nullptr;
    wmfD_Rect m_box = {};
    QSize m_size;
};
