// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// A stream of bytes libmpv reads through a protocol of the program's own
// (MpvEngine::addReadOnlyProtocol). Called on libmpv's threads; libmpv deletes it when done.
class MpvStream
{
public:
    virtual ~MpvStream() = default;

    // Up to count bytes: how many were read, 0 at the end, -1 on failure.
    virtual qint64 read(char *into, quint64 count) = 0;
    // False when the offset lies outside the stream.
    virtual bool seek(qint64 offset) = 0;
    virtual qint64 size() = 0;
    // libmpv gives up reading: a read that waits must return.
    virtual void cancel() = 0;
};
