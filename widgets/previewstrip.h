#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

// A row of lamps, each a disc in its colour, lamp 1 on the left: the preview
// of a program as it plays. It shows what it is given and knows nothing of
// programs or time; whoever plays sets the colours and the accessible name.
class PreviewStrip : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewStrip(QWidget *parent = nullptr);

    [[nodiscard]] QList<QColor> colours() const { return lamps; }
    void setColours(const QList<QColor> &colours);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QList<QColor> lamps;
};
