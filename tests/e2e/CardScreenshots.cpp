// Saves the product card of a default-fleet device, open on its About tab,
// as a PNG file for the documentation: `lumaris-card-screenshots OUTPUT_DIRECTORY`.
#include "ProbedApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonObject>
#include <QTest>

#include <cstdio>

namespace {

constexpr int kDefaultFleetDevices = 11;

bool fail(const QString& what)
{
    std::fprintf(stderr, "lumaris-card-screenshots: %s\n", qPrintable(what));
    return false;
}

bool ok(const QJsonObject& answer, const QString& what)
{
    return !answer.contains("error") || fail(what + ": " + answer.value("error").toString());
}

bool cardOpen(ProbedApp& app)
{
    return QTest::qWaitFor([&app] { return app.command("card").value("open").toBool(); }, 10000)
        || fail(QStringLiteral("the card did not open"));
}

bool save(const QString& directory)
{
    ProbedApp app(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY));
    QString error;
    if (!app.start(QString(), &error))
        return fail(error);
    const QDir output(directory);
    return ok(app.command(QStringLiteral("wait-rows %1").arg(kDefaultFleetDevices), 20000), "default fleet")
        && ok(app.command("open-gallery"), "setup button") && cardOpen(app)
        && ok(app.command("card-type 1 LX-4410-2207"), "serial number")
        && ok(app.command("card-type 2 Northgate Broadcast Supply"), "seller")
        && ok(app.command("card-type 4 sales@northgate.tv"), "e-mail")
        && ok(app.command("settle"), "settle")
        && ok(app.command("grab " + output.absoluteFilePath("card-about.png")), "card");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2)
        return fail(QStringLiteral("usage: lumaris-card-screenshots OUTPUT_DIRECTORY")) ? 0 : 2;
    return save(arguments.at(1)) ? 0 : 1;
}
