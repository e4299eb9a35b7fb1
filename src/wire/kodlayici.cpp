#include "kodlayici.h"

#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>

namespace kw {

namespace {

QString tipHatasi(const char *ad, Tip tip)
{
    return QStringLiteral("Parametre %1: %2 bekleniyordu").arg(QLatin1String(ad), QLatin1String(tipAdi(tip)));
}

bool tamsayiMi(double d, double alt, double ust) { return d == std::floor(d) && d >= alt && d <= ust; }

void hucreYaz(JsonYazici &y, KolonTipi t, const QVariant &v)
{
    if (!v.isValid() || v.isNull()) {
        y.bos();
        return;
    }
    switch (t) {
    case KolonTipi::Int32:
    case KolonTipi::Int64: y.tamsayi(v.toLongLong()); break;
    case KolonTipi::Double:
    case KolonTipi::Currency: {
        const double d = v.toDouble();
        if (std::isfinite(d)) y.ondalik(d); else y.bos();
        break;
    }
    case KolonTipi::Bool: y.mantik(v.toBool()); break;
    case KolonTipi::String: y.metin(v.toString()); break;
    case KolonTipi::Date: y.metin(v.toDate().toString(Qt::ISODate)); break;
    case KolonTipi::DateTime: y.metin(v.toDateTime().toString(Qt::ISODateWithMs)); break;
    case KolonTipi::Blob: y.latin(v.toByteArray().toBase64().constData()); break;
    }
}

QVariant hucreOku(KolonTipi t, const QJsonValue &v)
{
    if (v.isNull())
        return {};
    auto hata = [&] { return IstekHatasi(QStringLiteral("Tablo hücresi %1 tipine uymuyor").arg(QLatin1String(kolonTipiAdi(t)))); };
    switch (t) {
    case KolonTipi::Int32:
        if (!v.isDouble() || !tamsayiMi(v.toDouble(), -2147483648.0, 2147483647.0)) throw hata();
        return int(v.toDouble());
    case KolonTipi::Int64:
        if (!v.isDouble() || !tamsayiMi(v.toDouble(), -9.3e18, 9.3e18)) throw hata();
        return qlonglong(v.toDouble());
    case KolonTipi::Double:
    case KolonTipi::Currency:
        if (!v.isDouble()) throw hata();
        return v.toDouble();
    case KolonTipi::Bool:
        if (!v.isBool()) throw hata();
        return v.toBool();
    case KolonTipi::String:
        if (!v.isString()) throw hata();
        return v.toString();
    case KolonTipi::Date: {
        const QDate d = QDate::fromString(v.toString(), Qt::ISODate);
        if (!d.isValid()) throw hata();
        return d;
    }
    case KolonTipi::DateTime: {
        const QDateTime d = QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
        if (!d.isValid()) throw hata();
        return d;
    }
    case KolonTipi::Blob:
        if (!v.isString()) throw hata();
        return QByteArray::fromBase64(v.toString().toLatin1());
    }
    return {};
}

QJsonArray diziAl(const QByteArray &govde, const char *anahtar)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(govde, &pe);
    if (pe.error != QJsonParseError::NoError)
        throw IstekHatasi(QStringLiteral("Geçersiz JSON: %1").arg(pe.errorString()));
    if (!doc.isObject())
        throw IstekHatasi(QStringLiteral("Gövde bir JSON nesnesi olmalı"));
    const QJsonValue v = doc.object().value(QLatin1String(anahtar));
    if (!v.isArray())
        throw IstekHatasi(QStringLiteral("\"%1\" dizisi eksik").arg(QLatin1String(anahtar)));
    return v.toArray();
}

}  // namespace

void tabloYaz(JsonYazici &y, const Tablo &t)
{
    y.nesneBasla();
    y.anahtar("columns");
    y.diziBasla();
    for (const Kolon &k : t.kolonlar) {
        y.nesneBasla();
        y.anahtar("name");
        y.metin(k.ad);
        y.anahtar("type");
        y.latin(kolonTipiAdi(k.tip));
        y.nesneBitir();
    }
    y.diziBitir();
    y.anahtar("rows");
    y.diziBasla();
    const int n = int(t.kolonlar.size());
    static const QVariant bos;
    for (const auto &satir : t.satirlar) {
        y.diziBasla();
        for (int c = 0; c < n; ++c)
            hucreYaz(y, t.kolonlar[c].tip, c < satir.size() ? satir[c] : bos);
        y.diziBitir();
    }
    y.diziBitir();
    y.nesneBitir();
}

Tablo tabloOku(const QJsonValue &v)
{
    if (!v.isObject())
        throw IstekHatasi(QStringLiteral("Tablo bir nesne olmalı"));
    const QJsonObject o = v.toObject();
    Tablo t;
    for (const QJsonValue &k : o.value(QLatin1String("columns")).toArray()) {
        const QJsonObject ko = k.toObject();
        KolonTipi tip;
        if (!kolonTipiBul(ko.value(QLatin1String("type")).toString(), &tip))
            throw IstekHatasi(QStringLiteral("Bilinmeyen kolon tipi: %1").arg(ko.value(QLatin1String("type")).toString()));
        t.kolonEkle(ko.value(QLatin1String("name")).toString(), tip);
    }
    const QJsonArray satirlar = o.value(QLatin1String("rows")).toArray();
    t.satirlar.reserve(satirlar.size());
    for (const QJsonValue &s : satirlar) {
        const QJsonArray a = s.toArray();
        if (a.size() != t.kolonlar.size())
            throw IstekHatasi(QStringLiteral("Tablo satırının hücre sayısı kolon sayısına uymuyor"));
        QVector<QVariant> satir;
        satir.reserve(a.size());
        for (int c = 0; c < a.size(); ++c)
            satir.push_back(hucreOku(t.kolonlar[c].tip, a[c]));
        t.satirlar.push_back(std::move(satir));
    }
    return t;
}

void degerYaz(JsonYazici &y, Tip tip, const Deger &d)
{
    if (std::holds_alternative<std::monostate>(d) && tip != Tip::Nesne)
        throw IstekHatasi(QStringLiteral("%1 değeri eksik").arg(QLatin1String(tipAdi(tip))));
    switch (tip) {
    case Tip::Yok: break;
    case Tip::Metin: y.metin(std::get<QString>(d)); break;
    case Tip::Tamsayi: y.tamsayi(std::get<qint32>(d)); break;
    case Tip::Int64: y.tamsayi(std::get<qint64>(d)); break;
    case Tip::Ondalik: {
        const double v = std::get<double>(d);
        if (!std::isfinite(v))
            throw IstekHatasi(QStringLiteral("Sonlu olmayan sayı gönderilemez"));
        y.ondalik(v);
        break;
    }
    case Tip::Mantik: y.mantik(std::get<bool>(d)); break;
    case Tip::Nesne: {
        const Kayit *k = std::holds_alternative<Nesne>(d) ? std::get<Nesne>(d).get() : nullptr;
        kayitYaz(y, k);
        break;
    }
    case Tip::Tablo:
    case Tip::VeriPaketi: tabloYaz(y, std::get<Tablo>(d)); break;
    case Tip::Akis: y.latin(std::get<QByteArray>(d).toBase64().constData()); break;
    }
}

Deger degerOku(const QJsonValue &v, Tip tip, const char *sinif, const char *ad)
{
    switch (tip) {
    case Tip::Yok: return {};
    case Tip::Metin:
        if (!v.isString()) throw IstekHatasi(tipHatasi(ad, tip));
        return v.toString();
    case Tip::Tamsayi:
        if (!v.isDouble() || !tamsayiMi(v.toDouble(), -2147483648.0, 2147483647.0))
            throw IstekHatasi(tipHatasi(ad, tip));
        return qint32(v.toDouble());
    case Tip::Int64:
        if (!v.isDouble() || !tamsayiMi(v.toDouble(), -9.3e18, 9.3e18))
            throw IstekHatasi(tipHatasi(ad, tip));
        return qint64(v.toDouble());
    case Tip::Ondalik:
        if (!v.isDouble()) throw IstekHatasi(tipHatasi(ad, tip));
        return v.toDouble();
    case Tip::Mantik:
        if (!v.isBool()) throw IstekHatasi(tipHatasi(ad, tip));
        return v.toBool();
    case Tip::Nesne:
        try {
            return Nesne(kayitOku(v, sinif));
        } catch (const KodlamaHatasi &e) {
            throw IstekHatasi(QStringLiteral("Parametre %1: %2").arg(QLatin1String(ad), QString::fromStdString(e.what())));
        }
    case Tip::Tablo:
    case Tip::VeriPaketi: return tabloOku(v);
    case Tip::Akis:
        if (!v.isString()) throw IstekHatasi(tipHatasi(ad, tip));
        return QByteArray::fromBase64(v.toString().toLatin1());
    }
    return {};
}

QByteArray istekYaz(const Metot &m, const QVector<Deger> &girdiler)
{
    if (girdiler.size() != m.girdiSayisi())
        throw IstekHatasi(QStringLiteral("%1: %2 parametre bekleniyordu, %3 verildi")
                              .arg(QLatin1String(m.ad)).arg(m.girdiSayisi()).arg(girdiler.size()));
    JsonYazici y;
    y.nesneBasla();
    y.anahtar("_parameters");
    y.diziBasla();
    int n = 0;
    for (const Parametre &p : m.parametreler)
        if (p.yon == Yon::Girdi)
            degerYaz(y, p.tip, girdiler[n++]);
    y.diziBitir();
    y.nesneBitir();
    return y.al();
}

QVector<Deger> istekOku(const Metot &m, const QByteArray &govde)
{
    const QJsonArray a = diziAl(govde, "_parameters");
    if (a.size() != m.girdiSayisi())
        throw IstekHatasi(QStringLiteral("%1: %2 parametre bekleniyordu, %3 geldi")
                              .arg(QLatin1String(m.ad)).arg(m.girdiSayisi()).arg(a.size()));
    QVector<Deger> sonuc;
    int n = 0;
    for (const Parametre &p : m.parametreler)
        if (p.yon == Yon::Girdi)
            sonuc.push_back(degerOku(a[n++], p.tip, p.sinif, p.ad));
    return sonuc;
}

QByteArray cevapYaz(const Metot &m, const QVector<Deger> &ciktilar)
{
    const int beklenen = m.ciktiSayisi() + (m.sonuc == Tip::Yok ? 0 : 1);
    if (ciktilar.size() != beklenen)
        throw std::logic_error(std::string(m.ad) + ": cevap değer sayısı katalogla uyuşmuyor");
    JsonYazici y;
    y.nesneBasla();
    y.anahtar("result");
    y.diziBasla();
    int n = 0;
    for (const Parametre &p : m.parametreler)
        if (p.yon == Yon::Cikti)
            degerYaz(y, p.tip, ciktilar[n++]);
    if (m.sonuc != Tip::Yok)
        degerYaz(y, m.sonuc, ciktilar[n]);
    y.diziBitir();
    y.nesneBitir();
    return y.al();
}

QVector<Deger> cevapOku(const Metot &m, const QByteArray &govde)
{
    const QJsonArray a = diziAl(govde, "result");
    const int beklenen = m.ciktiSayisi() + (m.sonuc == Tip::Yok ? 0 : 1);
    if (a.size() != beklenen)
        throw IstekHatasi(QStringLiteral("%1: cevapta %2 değer bekleniyordu, %3 geldi")
                              .arg(QLatin1String(m.ad)).arg(beklenen).arg(a.size()));
    QVector<Deger> sonuc;
    int n = 0;
    for (const Parametre &p : m.parametreler)
        if (p.yon == Yon::Cikti)
            sonuc.push_back(degerOku(a[n++], p.tip, p.sinif, p.ad));
    if (m.sonuc != Tip::Yok)
        sonuc.push_back(degerOku(a[n], m.sonuc, m.sonucSinifi, "result"));
    return sonuc;
}

QByteArray hataYaz(const QString &mesaj)
{
    JsonYazici y;
    y.nesneBasla();
    y.anahtar("error");
    y.metin(mesaj);
    y.nesneBitir();
    return y.al();
}

QString hataOku(const QByteArray &govde)
{
    const QJsonDocument doc = QJsonDocument::fromJson(govde);
    return doc.isObject() ? doc.object().value(QLatin1String("error")).toString() : QString();
}

}  // namespace kw
