#pragma once

#include <QDialog>

class QLabel;

// The small frameless box behind "Help": icon, title, version and rights.
// Any click, or leaving it, closes it.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

    void setIcon(const QPixmap& icon);
    void setTitle(const QString& title);
    void setYear(const QString& year);
    void setVersion(const QString& version);

    QString titleText() const;
    QString versionText() const;
    QString rightsText() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QLabel* addLabel(int fontStyle);

    QLabel* m_icon;
    QLabel* m_title;
    QLabel* m_version;
    QLabel* m_rights;
};
