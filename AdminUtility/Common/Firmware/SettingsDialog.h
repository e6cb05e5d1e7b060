#pragma once

#include <QDialog>

class QFrame;
class QVBoxLayout;

// A frameless modal dialog with the white rounded look of the cards, for
// use from settings pages.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(QWidget* parent = nullptr);

    QVBoxLayout* contentLayout() const { return m_layout; }

private:
    QFrame* m_frame;
    QVBoxLayout* m_layout;
};
