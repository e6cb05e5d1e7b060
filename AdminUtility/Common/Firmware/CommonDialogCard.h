#pragma once

#include <QWidget>

class BusyButton;
class CardPushButton;
class QLabel;
class QProgressBar;

// The fixed 480 x 180 card of the message dialogs: up to two texts, up to
// three buttons, a progress bar with its percentage and a busy indicator.
// Each show operation shows one arrangement and hides what it replaces.
class CommonDialogCard : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 180;

    CommonDialogCard(int progressBarWidth, Qt::Alignment titleAlignment, QWidget* parent = nullptr);

    void showTwoTexts(const QString& title, const QString& body);
    void showOneText(const QString& text);
    void showTwoButtons(const QString& noText, const QString& yesText);
    void showOneButton(const QString& text);
    void showBusyButton();
    void showProgressBar();
    void setProgress(int percent);

    QLabel* titleLabel() const { return m_title; }
    QLabel* bodyLabel() const { return m_body; }
    QLabel* singleTextLabel() const { return m_singleText; }
    QLabel* progressTextLabel() const { return m_progressText; }
    CardPushButton* noButton() const { return m_no; }
    CardPushButton* yesButton() const { return m_yes; }
    CardPushButton* closeButton() const { return m_close; }
    QProgressBar* progressBar() const { return m_progressBar; }
    BusyButton* busyButton() const { return m_busy; }
    bool isIndeterminate() const { return m_indeterminate; }

signals:
    void yesClicked();
    void noClicked();
    void closeClicked();

private:
    void createTexts(Qt::Alignment titleAlignment);
    void createButtons();
    void createProgress(int progressBarWidth);
    QLabel* createLabel(int style, const QRect& geometry, Qt::Alignment alignment);
    CardPushButton* createButton(const QString& text, int x);
    void hideControls();

    QLabel* m_title = nullptr;
    QLabel* m_body = nullptr;
    QLabel* m_singleText = nullptr;
    QLabel* m_progressText = nullptr;
    CardPushButton* m_no = nullptr;
    CardPushButton* m_yes = nullptr;
    CardPushButton* m_close = nullptr;
    QProgressBar* m_progressBar = nullptr;
    BusyButton* m_busy = nullptr;
    bool m_indeterminate = false;
};
