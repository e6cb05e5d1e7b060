#pragma once

#include <QAbstractButton>
#include <QPixmap>

// One tab of a TabbedWidgets strip: its title, underlined in the accent
// colour while checked, with an optional alert mark beside it.
class TabButton : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int kHeight = 38;
    static constexpr int kUnderlineY = 35;
    static constexpr int kUnderlineHeight = 3;

    explicit TabButton(const QString& title, QWidget* parent = nullptr);

    void setAlertVisible(bool visible);
    bool isAlertVisible() const { return m_alertVisible; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont titleFont() const;
    int titleWidth() const;
    int alertWidth() const;
    void fitToTitle();

    QPixmap m_alertIcon;
    bool m_alertVisible = false;
};
