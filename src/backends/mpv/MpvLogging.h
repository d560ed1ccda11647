// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcMpv)

// Logs libmpv's failure of the step with libmpv's message; true when the status is no failure.
bool mpvSucceeded(int status, const char *step);
