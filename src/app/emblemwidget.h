#pragma once

#include <QWidget>

// The desk's emblem on the main window: a blue triangle on a yellow disc
// with the letters of the civil protection. Drawn, so it scales cleanly.
class EmblemWidget : public QWidget
{
    Q_OBJECT

public:
    explicit EmblemWidget(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
