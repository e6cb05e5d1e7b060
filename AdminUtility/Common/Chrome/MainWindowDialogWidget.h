#pragma once

#include <QFrame>

class CardPushButton;
class TightVBoxLayout;

// The page that a main menu entry opens: the page's own controls above a
// confirm and a close button.
class MainWindowDialogWidget : public QFrame
{
    Q_OBJECT

public:
    explicit MainWindowDialogWidget(QWidget* parent = nullptr);

    virtual void aboutToShow();

    void setAddButtonEnabled(bool enabled);
    CardPushButton* addButton() const { return m_addButton; }
    CardPushButton* closeButton() const { return m_closeButton; }

signals:
    void closePressed();

public slots:
    virtual void onAddPressed();
    virtual void onClosePressed();

protected:
    virtual void buildContents(TightVBoxLayout* layout) = 0;
    void buildMe(QString addTitle, QString closeTitle);

private:
    QWidget* createButtonRow(const QString& addTitle, const QString& closeTitle);

    CardPushButton* m_addButton = nullptr;
    CardPushButton* m_closeButton = nullptr;
};
