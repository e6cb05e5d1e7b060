#pragma once

#include <QFrame>

// A one-pixel line between parts of a card: a light hairline of a given
// width, or a dark one across the whole card.
class CardSeparator : public QFrame
{
    Q_OBJECT

public:
    enum Kind
    {
        kHairline,
        kDark,
    };

    CardSeparator(Kind kind, int width, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};
