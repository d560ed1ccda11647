// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/wmf/LibwmfMetafile.h"

#include "backends/wmf/WmfLogging.h"

#include <libwmf/gd.h>

namespace {

const char *errorText(wmf_error_t status)
{
    switch (status) {
    case wmf_E_None:
        return "no error";
    case wmf_E_InsMem:
        return "out of memory";
    case wmf_E_BadFile:
        return "the file cannot be read";
    case wmf_E_BadFormat:
        return "the metafile is corrupt";
    case wmf_E_EOF:
        return "the metafile ends early";
    case wmf_E_DeviceError:
        return "the drawing device failed";
    case wmf_E_Glitch:
        return "internal error";
    case wmf_E_Assert:
        return "internal assertion";
    case wmf_E_UserExit:
        return "stopped";
    }
    return "unknown error";
}

} // namespace

bool LibwmfMetafile::succeeded(wmf_error_t status, const char *step)
{
    if (status == wmf_E_None)
        return true;
    qCWarning(lcWmf, "libwmf failed to %s the metafile: %s", step, errorText(status));
    return false;
}

LibwmfMetafile::LibwmfMetafile(const QByteArray &bytes) : m_bytes(bytes)
{
    wmfAPI_Options options = {};
    options.function = wmf_gd_function;
    // libwmf prints nothing itself: its failures are logged by step.
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (!succeeded(wmf_api_create(&m_api, flags, &options), "start on")) {
        m_api = nullptr;
        return;
    }
    unsigned int width = 0;
    unsigned int height = 0;
    if (!succeeded(
            wmf_mem_open(m_api, reinterpret_cast<unsigned char *>(m_bytes.data()), long(m_bytes.size())),
            "open") ||
        !succeeded(wmf_scan(m_api, 0, &m_box), "scan") ||
        !succeeded(wmf_display_size(m_api, &width, &height, 96, 96), "measure"))
        return;
    m_size = QSize(int(qMin(width, 1u << 20)), int(qMin(height, 1u << 20)));
}

LibwmfMetafile::~LibwmfMetafile()
{
    if (m_api)
        wmf_api_destroy(m_api);
}

QImage LibwmfMetafile::draw(const QSize &size)
{
    // Drawn into a PNG handed over piece by piece: libwmf keeps no picture of its own then.
    QByteArray png;
    wmf_gd_t *device = WMF_GD_GetData(m_api);
    device->type = wmf_gd_png;
    device->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
    device->sink.context = &png;
    device->sink.function = [](void *context, char *buffer, int length) {
        static_cast<QByteArray *>(context)->append(buffer, length);
        return length;
    };
    device->bbox = m_box;
    device->width = unsigned(size.width());
    device->height = unsigned(size.height());
    if (!succeeded(wmf_play(m_api, 0, &m_box), "draw"))
        return {};
    return QImage::fromData(png, "PNG");
}
