// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AccessibleWidgets.h"

#include "widgets/AccessibleFlatButton.h"
#include "widgets/AccessibleProgressBar.h"
#include "widgets/AccessibleScrollingText.h"
#include "widgets/AccessibleSlider.h"
#include "widgets/AccessibleSplitterPane.h"
#include "widgets/EtchedLine.h"
#include "widgets/FlatButton.h"
#include "widgets/ScrollingText.h"
#include "widgets/Slider.h"
#include "widgets/SplitterPane.h"
#include "widgets/TextProgressBar.h"

QAccessibleInterface *accessibleWidget(const QString &className, QObject *object)
{
    const auto is = [&className](const QMetaObject &type) {
        return className == QLatin1String(type.className());
    };
    if (is(Slider::staticMetaObject))
        return new AccessibleSlider(static_cast<Slider *>(object));
    if (is(FlatButton::staticMetaObject))
        return new AccessibleFlatButton(static_cast<FlatButton *>(object));
    if (is(SplitterPane::staticMetaObject))
        return new AccessibleSplitterPane(static_cast<SplitterPane *>(object));
    if (is(ScrollingText::staticMetaObject))
        return new AccessibleScrollingText(static_cast<ScrollingText *>(object));
    if (is(TextProgressBar::staticMetaObject))
        return new AccessibleProgressBar(static_cast<TextProgressBar *>(object));
    if (is(EtchedLine::staticMetaObject))
        return new QAccessibleWidget(static_cast<EtchedLine *>(object), QAccessible::Separator);
    return nullptr;
}
