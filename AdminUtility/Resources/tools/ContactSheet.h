#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <QVector>

// A review sheet of pictures: titled sections, each a flow of pictures at their
// real size with the resource name beneath, on the backdrop they are shown on.
class ContactSheet
{
public:
    struct Picture
    {
        QString name;
        QImage image;
    };

    explicit ContactSheet(int width);

    void addSection(const QString& title, const QColor& backdrop, const QVector<Picture>& pictures);
    QImage render() const;

private:
    struct Cell
    {
        int picture;  // index into the section's pictures
        QRect imageRect;
        QRect labelRect;
    };
    struct Section
    {
        QString title;
        QColor backdrop;
        QVector<Picture> pictures;
        QRect titleRect;
        QRect panelRect;
        QVector<Cell> cells;
    };

    void layOut(Section& section, int top) const;
    void paintSection(QPainter& painter, const Section& section) const;
    QColor labelColour(const QColor& backdrop) const;

    int m_width;
    QFont m_titleFont;
    QFont m_labelFont;
    QVector<Section> m_sections;
    int m_height = 0;
};
