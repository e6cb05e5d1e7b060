#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

// The band at the top of the main window: the title on a dark gradient and
// the logo at the right.
class WindowHeader : public QWidget
{
    Q_OBJECT

public:
    explicit WindowHeader(QWidget* parent = nullptr);

    QString title() const { return m_title; }
    QRect titleRect() const { return m_titleRect; }
    QRect logoRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_title;
    QPixmap m_logo;
    QRect m_titleRect;
};
