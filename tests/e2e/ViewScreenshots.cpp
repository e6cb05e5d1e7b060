// Saves the gallery and the list of the default fleet as PNG files, for the
// documentation, and the same views with device labels that hold markup or
// 255 characters: `lumaris-view-screenshots OUTPUT_DIRECTORY`.
#include "ScreenshotTool.h"

int main(int argc, char** argv)
{
    return ScreenshotTool::run(argc, argv, [](const QDir& output) {
        return ScreenshotTool::shoot(QString(), 11, output, {"grab gallery.png", "show-list", "grab list.png"})
            && ScreenshotTool::shoot(QStringLiteral(LUMARIS_TEST_PROFILES "/views-hostile.json"), 3, output,
                                     {"grab gallery-markup-label.png", "dot 1", "grab gallery-long-label.png",
                                      "show-list", "grab list-hostile-labels.png"});
    });
}
