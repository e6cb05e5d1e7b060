#pragma once

#include <QWidget>

class CardPopupMenu;
class FlatImageButton;
class QPushButton;

// The foot of a settings page: an options menu button, "Cancel" and "Save".
class CardFooter : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 66;

    explicit CardFooter(QWidget* parent = nullptr);

    void setSettingsStatus(int status);
    void setIsImmediateApply(bool immediate);
    void setSettingsButtonVisible(bool visible);
    void addSettingsOption(const QString& text, int id);
    void clearSettingsMenu();
    void setDeviceHasNoSettings();

    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }
    FlatImageButton* settingsButton() const { return m_settings; }
    CardPopupMenu* menu() const { return m_menu; }

signals:
    void savePressed();
    void cancelPressed();
    void menuOptionPressed(int id);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onSettingsClicked();

    FlatImageButton* m_settings = nullptr;
    CardPopupMenu* m_menu = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_save = nullptr;
};
