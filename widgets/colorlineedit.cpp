#include "widgets/colorlineedit.h"

#include "core/trace.h"
#include "widgets/dialogs/userdialogs.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

ColorLineEdit::ColorLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAcceptDrops(true);
}

void ColorLineEdit::setUserDialogs(UserDialogs *dialogs)
{
    userDialogs = dialogs;
}

void ColorLineEdit::emitColor(const QColor &color)
{
    Q_EMIT redChanged(color.red());
    Q_EMIT greenChanged(color.green());
    Q_EMIT blueChanged(color.blue());
}

// The press belongs to the colour, not to the text: no cursor is placed and
// no text selection starts.
void ColorLineEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        auto *drag = new QDrag(this);
        auto *data = new QMimeData;
        data->setColorData(palette().color(QPalette::Base));
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
    }
    update();
}

void ColorLineEdit::mouseDoubleClickEvent(QMouseEvent * /*event*/)
{
    chooseColor();
}

// The standard dialog keeps its custom colours for the whole process.
void ColorLineEdit::chooseColor()
{
    static UserDialogs standardDialogs;
    UserDialogs &dialogs = userDialogs ? *userDialogs : standardDialogs;
    const QColor chosen = dialogs.getColor(palette().color(QPalette::Base), this);
    if (chosen.isValid())
        emitColor(chosen);
}

// The lamp editor above sees every key before the field does.
void ColorLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (parent())
        QCoreApplication::sendEvent(parent(), event);
    QLineEdit::keyPressEvent(event);
}

void ColorLineEdit::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasColor())
        event->acceptProposedAction();
}

// The line edit's own handling would move the text cursor under the mouse.
void ColorLineEdit::dragMoveEvent(QDragMoveEvent *event)
{
    LC420_TRACE() << "ColorLineEdit::dragMoveEvent" << event->position().toPoint();
}

void ColorLineEdit::dropEvent(QDropEvent *event)
{
    const QColor color = qvariant_cast<QColor>(event->mimeData()->colorData());
    // Colour data from another program may not hold a colour at all.
    if (!color.isValid()) {
        event->ignore();
        return;
    }
    QPalette swatch = palette();
    swatch.setBrush(QPalette::Base, QBrush(color, Qt::SolidPattern));
    setPalette(swatch);
    LC420_TRACE() << "ColorLineEdit::dropEvent" << color.red() << color.green() << color.blue();
    emitColor(color);
    event->acceptProposedAction();
}

bool ColorLineEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        LC420_TRACE() << "ColorLineEdit::eventFilter double-click swallowed";
        return true;
    }
    return QLineEdit::eventFilter(watched, event);
}
