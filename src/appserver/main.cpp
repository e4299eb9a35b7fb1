// korvel-server: the distributor's application server and web site.
//
//   korvel-server [--db FILE] [--port N] [--web-port N] …   serve
//   korvel-server admin <command> …                          administration

#include "admin.h"
#include "methods/kayit.h"
#include "ortam.h"
#include "protocol/httpsunucu.h"
#include "store/depo.h"
#include "web/web.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>

namespace {

ks::HttpSunucu *gSunucu = nullptr;

void durdur(int)
{
    if (gSunucu)
        gSunucu->durdur();
}

QString varsayilanDb()
{
    const QByteArray env = qgetenv("KORVEL_DB");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    const QString klasor = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/korvel-server");
    QDir().mkpath(klasor);
    return klasor + QStringLiteral("/korvel.db");
}

}  // namespace

int main(int argc, char **argv)
{
    // Documents and pictures are drawn with Qt Gui; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvel-server"));

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Korvel B2B application server"));
    p.addHelpOption();
    QCommandLineOption dbOpt(QStringLiteral("db"), QStringLiteral("Store file (default $KORVEL_DB or the user's data folder)."), QStringLiteral("file"));
    QCommandLineOption adresOpt(QStringLiteral("listen"), QStringLiteral("Address to listen on (default 0.0.0.0)."), QStringLiteral("address"), QStringLiteral("0.0.0.0"));
    QCommandLineOption portOpt(QStringLiteral("port"), QStringLiteral("Remote-method port (default 9090, 0 = any free)."), QStringLiteral("port"), QStringLiteral("9090"));
    QCommandLineOption webOpt(QStringLiteral("web-port"), QStringLiteral("Web site port (default 8080, 0 = any free)."), QStringLiteral("port"), QStringLiteral("8080"));
    QCommandLineOption demoOpt(QStringLiteral("demo"), QStringLiteral("Seed an empty store with demo data of N stock items (default 3000, 0 = none)."), QStringLiteral("N"), QStringLiteral("3000"));
    QCommandLineOption siniriOpt(QStringLiteral("search-limit"), QStringLiteral("Most rows a stock search answers (default 500)."), QStringLiteral("N"), QStringLiteral("500"));
    QCommandLineOption isOpt(QStringLiteral("threads"), QStringLiteral("Worker threads per port (default 64)."), QStringLiteral("N"), QStringLiteral("64"));
    p.addOptions({dbOpt, adresOpt, portOpt, webOpt, demoOpt, siniriOpt, isOpt});
    p.addPositionalArgument(QStringLiteral("admin"), QStringLiteral("Run an administration command instead of serving (korvel-server admin help)."));
    // Everything after "admin" belongs to the admin command, dashes included.
    p.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    p.process(app);

    const QString dbYolu = p.isSet(dbOpt) ? p.value(dbOpt) : varsayilanDb();
    const QStringList args = p.positionalArguments();

    try {
        if (!args.isEmpty()) {
            if (args.first() != QLatin1String("admin")) {
                std::fprintf(stderr, "korvel-server: unknown command %s (try --help)\n", qPrintable(args.first()));
                return 2;
            }
            ks::Depo depo(dbYolu);
            return ks::yonetimKomutu(depo, args.mid(1));
        }

        ks::Depo depo(dbYolu);
        ks::Ortam ortam{depo};
        ortam.aramaSiniri = qMax(1, p.value(siniriOpt).toInt());
        ks::demoGerekirseOlustur(depo, p.value(demoOpt).toInt());

        ks::Dagitici dagitici;
        ks::metotlariKaydet(dagitici, ortam);
        const QStringList eksik = dagitici.eksikler();
        if (!eksik.isEmpty())
            std::fprintf(stderr, "korvel-server: %lld methods without a handler: %s\n", qlonglong(eksik.size()), qPrintable(eksik.join(u' ')));

        ks::SunucuAyarlari ayar;
        ayar.adres = p.value(adresOpt);
        ayar.port = p.value(portOpt).toInt();
        ayar.webPort = p.value(webOpt).toInt();
        ayar.isParcacigi = qMax(4, p.value(isOpt).toInt());
        ks::HttpSunucu sunucu(dagitici, ayar);
        ks::webKaydet(sunucu.web(), ortam);
        if (!sunucu.baglan())
            return 1;
        gSunucu = &sunucu;
        std::signal(SIGINT, durdur);
        std::signal(SIGTERM, durdur);
        std::printf("korvel-server listening port=%d web=%d db=%s\n", sunucu.port(), sunucu.webPort(), qPrintable(QFileInfo(dbYolu).absoluteFilePath()));
        std::fflush(stdout);
        sunucu.calis();
        gSunucu = nullptr;
        return 0;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "korvel-server: %s\n", e.what());
        return 1;
    }
}
