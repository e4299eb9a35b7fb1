#include "dagitici.h"

#include "kodlayici.h"

#include <QDebug>

namespace ks {

void Dagitici::kaydet(const char *ad, Isleyici isleyici)
{
    if (!kw::metotBul(QString::fromLatin1(ad)))
        throw std::logic_error(std::string("not in the catalogue: ") + ad);
    isleyiciler_.insert(QString::fromLatin1(ad), std::move(isleyici));
}

QStringList Dagitici::eksikler() const
{
    QStringList l;
    for (const kw::Metot &m : kw::metotlar())
        if (!isleyiciler_.contains(QString::fromLatin1(m.ad)))
            l << QString::fromLatin1(m.ad);
    return l;
}

Cevap Dagitici::cagir(const QString &metotAdi, const QByteArray &govde) const
{
    const kw::Metot *m = kw::metotBul(metotAdi);
    const auto it = isleyiciler_.constFind(metotAdi);
    if (!m || it == isleyiciler_.constEnd())
        return {404, kw::hataYaz(QStringLiteral("Bilinmeyen metot: %1").arg(metotAdi))};
    try {
        Cagri c(*m, kw::istekOku(*m, govde));
        it.value()(c);
        return {200, kw::cevapYaz(*m, c.ciktilar())};
    } catch (const kw::IstekHatasi &e) {
        return {400, kw::hataYaz(QString::fromStdString(e.what()))};
    } catch (const IslemHatasi &e) {
        return {500, kw::hataYaz(QString::fromStdString(e.what()))};
    } catch (const std::exception &e) {
        qWarning().noquote() << metotAdi << "failed:" << e.what();
        return {500, kw::hataYaz(QStringLiteral("%1 yapılamadı: %2").arg(metotAdi, QString::fromStdString(e.what())))};
    }
}

}  // namespace ks
