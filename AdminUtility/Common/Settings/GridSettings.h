#pragma once

#include <Qt>

// How a grid group of a settings tab lays out its buttons.
struct GridSettings
{
    int horizontalSpacing = 24;
    int verticalSpacing = 14;
    int alignment = Qt::AlignLeft | Qt::AlignTop;
    // 2 for the two-button output switch group; 0 otherwise.
    int style = 0;
    int horizontalMargin = 15;
    int verticalMargin = 7;
    int labelTopMargin = 15;

    // The groups with a label beside them, and those that stand alone.
    static GridSettings labelled() { return GridSettings{}; }
    static GridSettings plain()
    {
        return GridSettings{27, 0, Qt::AlignHCenter | Qt::AlignTop, 0, 78, 16, 15};
    }
};
