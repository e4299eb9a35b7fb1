#include "cagri.h"

#include <cstring>

namespace ks {

Cagri::Cagri(const kw::Metot &m, QVector<kw::Deger> girdiler)
    : m_(m), girdiler_(std::move(girdiler)), ciktilar_(m.ciktiSayisi())
{
}

const kw::Deger &Cagri::girdi(const char *ad, kw::Tip tip) const
{
    int n = 0;
    for (const kw::Parametre &p : m_.parametreler) {
        if (p.yon != kw::Yon::Girdi)
            continue;
        if (std::strcmp(p.ad, ad) == 0) {
            if (p.tip != tip)
                throw std::logic_error(std::string(m_.ad) + "." + ad + ": wrong type asked");
            return girdiler_[n];
        }
        ++n;
    }
    throw std::logic_error(std::string(m_.ad) + ": no input " + ad);
}

QString Cagri::metin(const char *ad) const { return std::get<QString>(girdi(ad, kw::Tip::Metin)); }
qint32 Cagri::tamsayi(const char *ad) const { return std::get<qint32>(girdi(ad, kw::Tip::Tamsayi)); }
double Cagri::ondalik(const char *ad) const { return std::get<double>(girdi(ad, kw::Tip::Ondalik)); }

const TSonucBilgisi *Cagri::bilgi(const char *ad) const
{
    const kw::Deger &d = girdi(ad, kw::Tip::Nesne);
    if (!std::holds_alternative<kw::Nesne>(d))
        return nullptr;
    return static_cast<const TSonucBilgisi *>(std::get<kw::Nesne>(d).get());
}

const TSonucBilgisi &Cagri::bilgiGerekli(const char *ad) const
{
    const TSonucBilgisi *b = bilgi(ad);
    if (!b)
        throw IslemHatasi(QStringLiteral("Oturum bilgisi gönderilmedi"));
    return *b;
}

void Cagri::cikti(const char *ad, kw::Deger d)
{
    int n = 0;
    for (const kw::Parametre &p : m_.parametreler) {
        if (p.yon != kw::Yon::Cikti)
            continue;
        if (std::strcmp(p.ad, ad) == 0) {
            ciktilar_[n] = std::move(d);
            return;
        }
        ++n;
    }
    throw std::logic_error(std::string(m_.ad) + ": no output " + ad);
}

void Cagri::sonuc(kw::Deger d)
{
    sonuc_ = std::move(d);
    sonucVar_ = true;
}

QVector<kw::Deger> Cagri::ciktilar() const
{
    QVector<kw::Deger> c = ciktilar_;
    if (m_.sonuc != kw::Tip::Yok) {
        if (!sonucVar_ && m_.sonuc != kw::Tip::Nesne)
            throw std::logic_error(std::string(m_.ad) + ": handler set no result");
        c.push_back(sonucVar_ ? sonuc_ : kw::Deger(kw::Nesne()));
    }
    return c;
}

}  // namespace ks
