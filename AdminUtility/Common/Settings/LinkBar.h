#pragma once

#include <QWidget>

// The bracket drawn beside two linked slider rows.
class LinkBar : public QWidget
{
    Q_OBJECT

public:
    explicit LinkBar(QWidget* parent = nullptr);

    void setLinked(bool linked);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_linked = true;
};
