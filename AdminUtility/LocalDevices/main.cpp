#include "AdminUtilityApplication.h"
#include "CapabilityTables.h"
#include "FontConfigurationWarmUp.h"
#include "MarlixAdminUtilityWindow.h"
#include "MarlixFamily.h"
#include "PluginScanner.h"
#include "UiLanguage.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <QMetaType>

#include <cstdint>
#include <memory>

int main(int argc, char** argv)
{
    // Every window is drawn by the raster engine. Left to itself, the X11 platform
    // loads the system's OpenGL driver as it connects, which costs more CPU time and
    // memory at start than all of the program's own work. A user's own setting stays,
    // and programs started from here (a browser, a viewer) do not inherit ours.
    const bool glSettingIsOurs = !qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION");
    if (glSettingIsOurs)
        qputenv("QT_XCB_GL_INTEGRATION", QByteArrayLiteral("none"));
    FontConfigurationWarmUp fontConfiguration;
    AdminUtilityApplication app(argc, argv);
    // Before any text is made: the capability tables translate their names when filled.
    UiLanguage::install(app);

    qRegisterMetaType<uint32_t>("uint32_t");
    qRegisterMetaType<uint64_t>("uint64_t");

    initialiseStaticData();

    // Declared before the window so that it outlives it: the window only calls destroy().
    std::unique_ptr<MarlixFamily> localFamily;
    fontConfiguration.wait();
    auto window = std::make_unique<MarlixAdminUtilityWindow>();

    localFamily = std::make_unique<MarlixFamily>(nullptr);
    window->addFamily(localFamily.get());

    PluginScanner::registerFamilies(QCoreApplication::applicationDirPath(), window.get());

    window->show();
    // The platform has read the setting when it made the first window.
    if (glSettingIsOurs)
        qunsetenv("QT_XCB_GL_INTEGRATION");
    const int exitCode = app.exec();
    window.reset();
    return exitCode;
}
