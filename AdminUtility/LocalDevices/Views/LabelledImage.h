#pragma once

#include <QFrame>
#include <QString>

class QLabel;

// A picture above two centred lines: a bold one for the value and a quieter
// one naming what the value belongs to. The gallery summary shows one per
// connector.
class LabelledImage : public QFrame
{
    Q_OBJECT
    // Readable by name, so that tools outside the program can see what is shown.
    Q_PROPERTY(QString image READ image)
    Q_PROPERTY(QString boldLabel READ boldLabel)
    Q_PROPERTY(QString infoLabel READ infoLabel)

public:
    explicit LabelledImage(QWidget* parent = nullptr);

    void setImage(const QString& resource);
    void setBoldLabel(const QString& text);
    void setInfoLabel(const QString& text);

    QString image() const;
    QString boldLabel() const;
    QString infoLabel() const;

private:
    void createLabels();
    void createLayout();

    QLabel* m_image = nullptr;
    QLabel* m_bold = nullptr;
    QLabel* m_info = nullptr;
    QString m_imageResource;
};
