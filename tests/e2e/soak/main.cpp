// A long scripted session against the program (make soak; a short one in make test):
// lumaris-soak [--seconds N] [--seed S] [--at-once] [--rss-growth-limit-kb K]
#include "SoakSession.h"

#include <QCommandLineParser>
#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"seconds", "How long the session runs.", "N", "30"});
    parser.addOption({"seed", "Seed of the drawn actions.", "S", "1"});
    parser.addOption({"at-once", "The simulator returns from unregistering without waiting for callbacks."});
    parser.addOption({"rss-growth-limit-kb", "Allowed growth of the resident size after warm-up.", "K", "0"});
    parser.process(application);

    SoakSession::Options options;
    options.seconds = parser.value("seconds").toInt();
    options.seed = parser.value("seed").toUInt();
    options.atOnce = parser.isSet("at-once");
    options.rssGrowthLimitKb = parser.value("rss-growth-limit-kb").toLongLong();
    if (options.seconds <= 0)
        parser.showHelp(2);
    return SoakSession(options).run() ? 0 : 1;
}
