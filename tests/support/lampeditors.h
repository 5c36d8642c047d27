#pragma once

#include "app/lc460_bootloader.h"
#include "show/scenerecord.h"
#include "widgets/superrgb.h"

#include <QList>
#include <QWidget>

// The twelve lamp editors of a tab, lamp 0 first, found as the user sees them:
// in the tab's row. A tab the window builds when it is first needed is built
// first.
inline QList<SuperRGB *> lampEditors(QWidget &window, Show::Kind kind)
{
    if (auto *main = qobject_cast<Lc460_bootloader *>(&window))
        main->ensureBuilt();
    const auto *row = window.findChild<QWidget *>(
        kind == Show::Kind::Programs ? QStringLiteral("scrollAreaWidgetContents")
                                     : QStringLiteral("scrollAreaWidgetContents_2"));
    return row ? row->findChildren<SuperRGB *>(Qt::FindDirectChildrenOnly) : QList<SuperRGB *>();
}
