#include "app/showbinder.h"

#include "show/showdocument.h"
#include "widgets/superrgb.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSpinBox>

ShowBinder::ShowBinder(Show::ShowDocument &document, Show::Kind kind, Controls controls,
                       QObject *parent)
    : QObject(parent)
    , document(document)
    , kind(kind)
    , controls(std::move(controls))
{
    for (SuperRGB *editor : this->controls.editors) {
        connect(editor, &SuperRGB::colorChanged, this, &ShowBinder::write);
        for (QObject *control : editor->findChildren<QAbstractSlider *>())
            watch(control);
        for (QObject *control : editor->findChildren<QAbstractButton *>())
            watch(control);
        for (QObject *control : editor->findChildren<QLineEdit *>())
            watch(control);
    }
    for (QSpinBox *box :
         {this->controls.riseTime, this->controls.staticTime, this->controls.endMarker}) {
        if (!box)
            continue;
        connect(box, &QSpinBox::valueChanged, this, &ShowBinder::write);
        watch(box);
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

// A press or a focus starts a new gesture; a spin box's own line edit
// takes the focus, so it is watched through the spin box's children too.
void ShowBinder::watch(QObject *control)
{
    control->installEventFilter(this);
    for (QObject *child : control->findChildren<QWidget *>())
        child->installEventFilter(this);
}

bool ShowBinder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn)
        ++gesture;
    return QObject::eventFilter(watched, event);
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
        writer(shown, record, gesture);
    else
        document.setRecord(kind, shown, record);
}
