#pragma once

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QWidget>

// A drag arriving at a widget and dropped there, as the window system delivers
// it: drag enter, drag move, then drop if the enter was accepted (QApplication
// routes moves and the drop to the widget that accepted the enter), else
// drag leave. Returns whether the drop was accepted; false when refused at
// enter.
inline bool dragAndDrop(QWidget *target, const QMimeData &data, QPoint pos = QPoint(2, 2))
{
    QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(target, &leave);
        return false;
    }
    QDragMoveEvent move(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(pos), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}
