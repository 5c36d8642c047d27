#pragma once

#include <QLineEdit>

class UserDialogs;

// A line edit that is also a colour swatch: its colour is the palette's Base
// colour. A left press drags that colour away; a dropped colour, or one chosen
// in the colour dialog after a double-click, is announced as three channel
// values (always red, green, blue in that order). Dragged data without a
// colour is refused.
//
// A field that is installed as its own event filter swallows double-clicks,
// so it never opens the colour dialog (the lamp editor's channel fields).
class ColorLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit ColorLineEdit(QWidget *parent = nullptr);

    // The colour dialog is asked through these; not owned. Null (the
    // default) uses the standard dialog.
    void setUserDialogs(UserDialogs *dialogs);

    bool eventFilter(QObject *watched, QEvent *event) override;

public Q_SLOTS:
    // Asks for a colour in the colour dialog, starting from this one; a
    // chosen colour is announced, a cancelled dialog changes nothing.
    void chooseColor();

Q_SIGNALS:
    void redChanged(int value);
    void greenChanged(int value);
    void blueChanged(int value);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void emitColor(const QColor &color);

    UserDialogs *userDialogs = nullptr;
};
