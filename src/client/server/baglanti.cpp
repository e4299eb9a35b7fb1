#include "baglanti.h"

#ifndef KORVEL_SERVER_HOST
#define KORVEL_SERVER_HOST "localhost"
#endif
#ifndef KORVEL_SERVER_PORT
#define KORVEL_SERVER_PORT 9090
#endif

SunucuAdresi sunucuAdresiCoz(const QString &ortam, const SunucuAdresi &varsayilan)
{
    const QString s = ortam.trimmed();
    if (s.isEmpty())
        return varsayilan;
    SunucuAdresi a{s, varsayilan.port};
    QString portMetni;
    if (s.startsWith(u'[')) {
        // [IPv6] or [IPv6]:port
        const qsizetype kapa = s.indexOf(u']');
        if (kapa < 0)
            return {s, varsayilan.port};
        a.host = s.mid(1, kapa - 1);
        if (s.mid(kapa + 1).startsWith(u':'))
            portMetni = s.mid(kapa + 2);
    } else if (s.count(u':') == 1) {
        const qsizetype iki = s.indexOf(u':');
        a.host = s.left(iki);
        portMetni = s.mid(iki + 1);
    }
    if (!portMetni.isEmpty()) {
        bool ok = false;
        const int p = portMetni.toInt(&ok);
        if (ok && p > 0 && p < 65536)
            a.port = p;
    }
    if (a.host.isEmpty())
        a.host = varsayilan.host;
    return a;
}

SunucuAdresi sunucuAdresi()
{
    return sunucuAdresiCoz(qEnvironmentVariable("KORVEL_SERVER"),
                           {QStringLiteral(KORVEL_SERVER_HOST), KORVEL_SERVER_PORT});
}

TBaglanti::TBaglanti() : TBaglanti(std::make_unique<HttpTasiyici>()) {}

TBaglanti::TBaglanti(std::unique_ptr<Tasiyici> tasiyici) : tasiyici_(std::move(tasiyici))
{
    const SunucuAdresi a = sunucuAdresi();
    Params.insert(QStringLiteral("DriverName"), QStringLiteral("DataSnap"));
    Params.insert(QStringLiteral("HostName"), a.host);
    Params.insert(QStringLiteral("Port"), QString::number(a.port));
    Params.insert(QStringLiteral("DatasnapContext"), QStringLiteral("datasnap/"));
    Params.insert(QStringLiteral("CommunicationProtocol"), QStringLiteral("tcp/ip"));
    Params.insert(QStringLiteral("DSProxyPort"), QStringLiteral("8090"));
    Params.insert(QStringLiteral("Filters"), QStringLiteral("{}"));
}

TBaglanti::~TBaglanti() { Close(); }

void TBaglanti::Open()
{
    Close();
    const QString host = Params.value(QStringLiteral("HostName")).trimmed();
    if (host.isEmpty())
        throw EUzakHata(QStringLiteral("Sunucu adresi belirtilmemiş"));
    bool ok = false;
    const int port = Params.value(QStringLiteral("Port")).trimmed().toInt(&ok);
    if (!ok || port <= 0 || port > 65535)
        throw EUzakHata(QStringLiteral("Geçersiz sunucu portu: %1").arg(Params.value(QStringLiteral("Port"))));
    tasiyici_->ac(host, port);
    acik_ = true;
}

void TBaglanti::Close()
{
    if (tasiyici_)
        tasiyici_->kapat();
    acik_ = false;
}

std::unique_ptr<TBaglanti> TBaglanti::CloneConnection() const
{
    auto k = std::make_unique<TBaglanti>(tasiyici_->yeni());
    k->ConnectionName = ConnectionName;
    k->LoginPrompt = LoginPrompt;
    k->Params = Params;
    return k;
}

HttpYanit TBaglanti::gonder(const QString &metot, const QByteArray &govde)
{
    if (!acik_)
        throw EUzakHata(QStringLiteral("Bağlantı açık değil"));
    const QString yol = u'/' + Params.value(QStringLiteral("DatasnapContext")) + QStringLiteral("rest/TServerMethods1/") + metot;
    return tasiyici_->gonder(yol, govde);
}
