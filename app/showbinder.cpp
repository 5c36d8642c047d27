#include "app/showbinder.h"

#include "show/showdocument.h"
#include "widgets/superrgb.h"

#include <QScopedValueRollback>
#include <QSpinBox>

ShowBinder::ShowBinder(Show::ShowDocument &document, Show::Kind kind, Controls controls,
                       QObject *parent)
    : QObject(parent)
    , document(document)
    , kind(kind)
    , controls(std::move(controls))
{
    for (SuperRGB *editor : this->controls.editors)
        connect(editor, &SuperRGB::colorChanged, this, &ShowBinder::write);
    for (QSpinBox *box :
         {this->controls.riseTime, this->controls.staticTime, this->controls.endMarker}) {
        if (box)
            connect(box, &QSpinBox::valueChanged, this, &ShowBinder::write);
    }
    connect(&document, &Show::ShowDocument::recordChanged, this,
            [this](Show::Kind changed, int index) {
                if (changed == this->kind && index == shown && !writing)
                    load();
            });
    connect(&document, &Show::ShowDocument::tableReset, this, [this](Show::Kind changed) {
        if (changed == this->kind)
            load();
    });
    load();
}

void ShowBinder::setWriter(Writer writer)
{
    this->writer = std::move(writer);
}

void ShowBinder::showRecord(int index)
{
    shown = index;
    load();
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
    const Show::EditorValues values = Show::editorValues(document.record(kind, shown));
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
    Show::EditorValues values;
    for (int lamp = 0; lamp < Show::LampCount && lamp < controls.editors.size(); ++lamp) {
        const QColor colour = controls.editors.at(lamp)->color();
        values.lamps[lamp] = {quint8(colour.red()), quint8(colour.green()), quint8(colour.blue())};
    }
    values.riseTime = controls.riseTime->value();
    values.staticTime = controls.staticTime->value();
    if (controls.endMarker)
        values.endMarker = controls.endMarker->value();

    Show::SceneRecord record = document.record(kind, shown);
    Show::commitEditorValues(record, values, kind);
    const QScopedValueRollback<bool> guard(writing, true);
    if (writer)
        writer(shown, record, controlOf(sender()));
    else
        document.setRecord(kind, shown, record);
}
