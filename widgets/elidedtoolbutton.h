#pragma once

#include <QToolButton>

// A tool button whose text never widens the window: it paints as much of
// its text as its width allows, ending in "…", and setFullText puts the
// whole text in its tool tip too. text() stays whole. Its size hint asks for
// the whole text up to a cap; the layout may shrink it to a few words.
class ElidedToolButton : public QToolButton
{
public:
    explicit ElidedToolButton(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    // The text as painted at the button's present width.
    [[nodiscard]] QString shownText() const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What the button needs beside its text: margins and the menu arrow.
    [[nodiscard]] int chrome() const;
};
