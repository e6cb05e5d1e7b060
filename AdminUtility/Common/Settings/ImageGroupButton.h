#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A checkable picture button of a picture group, with its caption below.
// Unchecked it is drawn faded, checked it is framed in the accent colour.
class ImageGroupButton : public QAbstractButton
{
    Q_OBJECT

public:
    ImageGroupButton(const QPixmap& picture, const QString& caption, QWidget* parent = nullptr);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);
    QString caption() const { return m_caption; }
    // Drawn as unselected although checked (another button of the group took over).
    void setDrawnSelected(bool selected);
    bool isDrawnSelected() const { return m_drawnSelected; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize pictureSize() const;

    QPixmap m_picture;
    QString m_caption;
    bool m_drawnSelected = true;
};
