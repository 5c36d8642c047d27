#pragma once

#include "show/scenerecord.h"
#include "widgets/superrgb.h"

#include <QList>
#include <QWidget>

// The twelve lamp editors of a tab, lamp 0 first, found as the user sees them:
// in the tab's row.
inline QList<SuperRGB *> lampEditors(const QWidget &window, Show::Kind kind)
{
    const auto *row = window.findChild<QWidget *>(
        kind == Show::Kind::Programs ? QStringLiteral("scrollAreaWidgetContents")
                                     : QStringLiteral("scrollAreaWidgetContents_2"));
    return row ? row->findChildren<SuperRGB *>(Qt::FindDirectChildrenOnly) : QList<SuperRGB *>();
}
