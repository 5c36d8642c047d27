#include "app/showbinder.h"

#include "show/showdocument.h"
#include "widgets/superrgb.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QUndoStack>

namespace {

// A wheel turn this soon after the one before belongs to the same gesture.
constexpr qint64 WheelPauseMs = 1000;

// Keys that edit the text of a field: a value typed one digit at a time is
// one gesture.
bool typesText(const QObject *watched, const QKeyEvent &key)
{
    bool field = false;
    for (const QObject *object = watched; object && !field; object = object->parent())
        field = qobject_cast<const QLineEdit *>(object)
                || qobject_cast<const QAbstractSpinBox *>(object);
    if (!field)
        return false;
    switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return !key.text().isEmpty() && key.text().at(0).isPrint();
    }
}

} // namespace

ShowBinder::ShowBinder(Show::ShowDocument &document, Show::Kind kind, Controls controls,
                       ShownRecord shownRecord, QObject *parent)
    : QObject(parent)
    , document(document)
    , kind(kind)
    , controls(std::move(controls))
    , shownRecord(std::move(shownRecord))
{
    for (SuperRGB *editor : this->controls.editors)
        bindEditor(editor);
    for (QSpinBox *box :
         {this->controls.riseTime, this->controls.staticTime, this->controls.endMarker}) {
        if (box) {
            connect(box, &QSpinBox::valueChanged, this, &ShowBinder::write);
            watch(box);
        }
    }
    connect(&document, &Show::ShowDocument::recordsChanged, this,
            [this](Show::Kind changed, int first, int last) {
                const int shown = this->shownRecord();
                if (changed == this->kind && first <= shown && shown <= last && !writing)
                    load();
            });
    load();
}

void ShowBinder::bindEditor(SuperRGB *editor)
{
    connect(editor, &SuperRGB::colorChanged, this, &ShowBinder::write);
    watch(editor);
}

void ShowBinder::setEditors(const QList<SuperRGB *> &editors)
{
    Q_ASSERT(controls.editors.isEmpty());
    controls.editors = editors;
    for (SuperRGB *editor : editors)
        bindEditor(editor);
    load();
}

void ShowBinder::watch(QWidget *control)
{
    control->installEventFilter(this);
    const QList<QWidget *> parts = control->findChildren<QWidget *>();
    for (QWidget *part : parts)
        part->installEventFilter(this);
}

void ShowBinder::setUndoStack(QUndoStack *stack)
{
    undoStack = stack;
}

void ShowBinder::shownChanged()
{
    load();
}

// Only watches: every event goes on to the control.
bool ShowBinder::eventFilter(QObject *watched, QEvent *event)
{
    bool boundary = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Drop:
        boundary = true;
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        boundary = !key->isAutoRepeat() && !typesText(watched, *key);
        break;
    }
    case QEvent::Wheel:
        // A turn the field ignores reaches its spin box too: the time alone decides.
        boundary = !sinceWheel.isValid() || sinceWheel.elapsed() > WheelPauseMs;
        sinceWheel.start();
        break;
    default:
        break;
    }
    if (boundary)
        ++currentGesture;
    return QObject::eventFilter(watched, event);
}

// A slider drag or a held "+" button owns the mouse; marked sliders of
// other lamps follow it, and their edits count as the dragged one's.
RecordControl ShowBinder::controlOf(const QObject *changed) const
{
    const auto lampOf = [this](const QObject *object) {
        for (int lamp = 0; lamp < controls.editors.size(); ++lamp) {
            if (controls.editors.at(lamp) == object)
                return lamp;
        }
        return -1;
    };
    for (const QObject *widget = QWidget::mouseGrabber(); widget; widget = widget->parent()) {
        const int lamp = lampOf(widget);
        if (lamp >= 0)
            return RecordControl(int(RecordControl::Lamp0) + lamp);
    }
    if (changed == controls.riseTime)
        return RecordControl::RiseTime;
    if (changed == controls.staticTime)
        return RecordControl::StaticTime;
    if (changed && changed == controls.endMarker)
        return RecordControl::EndMarker;
    return RecordControl(int(RecordControl::Lamp0) + qMax(lampOf(changed), 0));
}

void ShowBinder::load()
{
    ++currentGesture;
    const Show::EditorValues values = Show::editorValues(document.record(kind, shownRecord()));
    const QScopedValueRollback<bool> guard(loading, true);
    controls.riseTime->setValue(values.riseTime);
    controls.staticTime->setValue(values.staticTime);
    if (controls.endMarker)
        controls.endMarker->setValue(values.endMarker);
    for (int lamp = 0; lamp < Show::LampCount && lamp < controls.editors.size(); ++lamp) {
        SuperRGB *editor = controls.editors.at(lamp);
        editor->setRedColor(values.lamps[lamp].red);
        editor->setGreenColor(values.lamps[lamp].green);
        editor->setBlueColor(values.lamps[lamp].blue);
    }
}

void ShowBinder::write()
{
    if (loading)
        return;
    const int shown = shownRecord();
    Show::SceneRecord record = document.record(kind, shown);
    // Lamps without an editor yet keep what the record holds.
    Show::EditorValues values = Show::editorValues(record);
    for (int lamp = 0; lamp < Show::LampCount && lamp < controls.editors.size(); ++lamp) {
        const QColor colour = controls.editors.at(lamp)->color();
        values.lamps[lamp] = {quint8(colour.red()), quint8(colour.green()), quint8(colour.blue())};
    }
    values.riseTime = controls.riseTime->value();
    values.staticTime = controls.staticTime->value();
    if (controls.endMarker)
        values.endMarker = controls.endMarker->value();

    Show::commitEditorValues(record, values, kind);
    const QScopedValueRollback<bool> guard(writing, true);
    if (undoStack)
        undoStack->push(new RecordEditCommand(&document, kind, shown, controlOf(sender()), record,
                                              currentGesture));
    else
        document.setRecord(kind, shown, record);
}
