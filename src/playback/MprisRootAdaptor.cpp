// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MprisRootAdaptor.h"

#include "playback/MprisService.h"

MprisRootAdaptor::MprisRootAdaptor(MprisService *service) : QDBusAbstractAdaptor(service), m_service(service)
{
}

void MprisRootAdaptor::Raise()
{
    m_service->raise();
}

void MprisRootAdaptor::Quit()
{
    m_service->quit();
}
