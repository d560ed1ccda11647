// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/mpv/LibmpvModule.h"

#include "backends/mpv/LibmpvEngine.h"
#include "backends/mpv/LibmpvFrame.h"
#include "backends/mpv/MpvLogging.h"

#include <mpv/client.h>

Q_LOGGING_CATEGORY(lcMpv, "kestrove.playback.mpv")

bool mpvSucceeded(int status, const char *step)
{
    if (status >= 0)
        return true;
    qCWarning(lcMpv, "libmpv failed to %s: %s", step, mpv_error_string(status));
    return false;
}

std::unique_ptr<MpvEngine> LibmpvModule::createEngine(const QList<std::pair<QByteArray, QByteArray>> &options)
{
    mpv_handle *handle = mpv_create();
    if (!handle) {
        qCWarning(lcMpv, "libmpv cannot be created");
        return nullptr;
    }
    for (const auto &[name, value] : options) {
        const QByteArray step = "set " + name + '=' + value;
        mpvSucceeded(mpv_set_option_string(handle, name.constData(), value.constData()), step.constData());
    }
    // libmpv's warnings come as events, which the engine logs.
    mpvSucceeded(mpv_request_log_messages(handle, "warn"), "pass on its warnings");
    if (!mpvSucceeded(mpv_initialize(handle), "start")) {
        mpv_terminate_destroy(handle);
        return nullptr;
    }
    return std::make_unique<LibmpvEngine>(handle);
}

QImage LibmpvModule::frame(const QByteArray &path, double fraction, QDeadlineTimer deadline)
{
    return LibmpvFrame::take(path, fraction, deadline);
}
