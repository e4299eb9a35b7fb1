#include "sayfalar.h"

#include "methods/duyuru.h"
#include "methods/istek.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUrl>
#include <httplib.h>
#include <memory>

namespace ks {

namespace {

// Settings of the contact page (table ayar).
constexpr const char *kAyarFirma = "iletisim_firma";
constexpr const char *kAyarAdres = "iletisim_adres";
constexpr const char *kAyarTelefon = "iletisim_telefon";
constexpr const char *kAyarPosta = "iletisim_mail";

QString e(const QString &s) { return s.toHtmlEscaped(); }

void html(httplib::Response &res, const QString &govde, int durum = 200)
{
    res.status = durum;
    const QByteArray b = govde.toUtf8();
    res.set_content(b.constData(), size_t(b.size()), "text/html; charset=utf-8");
}

QString sayfa(const QString &baslik, const QString &icerik)
{
    return QStringLiteral(
               "<!DOCTYPE html><html lang=\"tr\"><head><meta charset=\"utf-8\">"
               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>%1</title>"
               "<style>body{font-family:Arial,'Liberation Sans',sans-serif;margin:24px;color:#222}"
               "h1{font-size:22px;color:#3d414a}label{display:inline-block;width:170px}"
               "input,textarea{width:320px;margin:3px 0;padding:4px}fieldset{margin:10px 0;border:1px solid #bbb}"
               ".hata{color:#c00;font-weight:bold}button{padding:6px 24px}</style></head><body>%2</body></html>")
        .arg(e(baslik), icerik);
}

// A form body (application/x-www-form-urlencoded) as UTF-8 texts.
QHash<QString, QString> formAlanlari(const std::string &govde)
{
    QHash<QString, QString> r;
    const QByteArray b = QByteArray::fromStdString(govde);
    for (const QByteArray &parca : b.split('&')) {
        if (parca.isEmpty())
            continue;
        const int esit = parca.indexOf('=');
        QByteArray ad = esit < 0 ? parca : parca.left(esit);
        QByteArray deger = esit < 0 ? QByteArray() : parca.mid(esit + 1);
        ad.replace('+', ' ');
        deger.replace('+', ' ');
        r.insert(QUrl::fromPercentEncoding(ad), QUrl::fromPercentEncoding(deger));
    }
    return r;
}

struct FormAlani {
    const char *ad;
    const char *etiket;
    bool gerekli;
};

// The request form's fields, as the password-change request has them.
const FormAlani kAlanlar[] = {
    {"firmaadi", "Firma Adı", true},       {"adres1", "Adres", true},          {"adres2", "Adres 2", false},
    {"ilce", "İlçe", true},                {"sehir", "Şehir", true},           {"telefon", "Telefon", true},
    {"fax", "Fax", false},                 {"vd", "Vergi Dairesi", false},     {"vn", "Vergi No", false},
    {"yetkili", "Yetkili", true},          {"kullaniciadi", "Kullanıcı Adı", true},
    {"mail", "Mail", true},                {"kargoambar", "Kargo Ambar", false},
};

QString formSayfasi(const QHash<QString, QString> &d, const QString &hata)
{
    QString h = QStringLiteral("<h1>Korvel Otomotiv B2B İstek Formu</h1>"
                               "<p>Bilgisayarınızın kaydı için aşağıdaki bilgileri doldurunuz.</p>");
    if (!hata.isEmpty())
        h += QStringLiteral("<p class=\"hata\">%1</p>").arg(e(hata));
    h += QStringLiteral("<form method=\"post\" action=\"formmailgonder.aspx\" accept-charset=\"utf-8\">"
                        "<input type=\"hidden\" name=\"id\" value=\"%1\"><input type=\"hidden\" name=\"carino\" value=\"%2\">"
                        "<p>Bilgisayar ID: <b>%1</b></p><fieldset><legend>Firma Bilgileri</legend>")
             .arg(e(d.value(QStringLiteral("id"))), e(d.value(QStringLiteral("carino"))));
    for (const FormAlani &a : kAlanlar) {
        if (QLatin1String(a.ad) == QLatin1String("kullaniciadi"))
            h += QStringLiteral("</fieldset><fieldset><legend>Kullanıcı Bilgileri</legend>");
        h += QStringLiteral("<div><label for=\"%1\">%2%3:</label><input id=\"%1\" name=\"%1\" value=\"%4\"%5></div>")
                 .arg(QLatin1String(a.ad), e(QString::fromUtf8(a.etiket)), a.gerekli ? QStringLiteral(" *") : QString(),
                      e(d.value(QLatin1String(a.ad))), a.gerekli ? QStringLiteral(" required") : QString());
    }
    h += QStringLiteral("</fieldset><div><label for=\"konu\">Açıklama:</label><br>"
                        "<textarea id=\"konu\" name=\"konu\" rows=\"5\">%1</textarea></div>"
                        "<p><button type=\"submit\">Gönder</button></p></form>")
             .arg(e(d.value(QStringLiteral("konu"))));
    return sayfa(QStringLiteral("İstek Formu"), h);
}

}  // namespace

void sayfalariKaydet(httplib::Server &s, Ortam &o)
{
    Depo &depo = o.depo;

    // Contact page.
    s.Get("/", [&depo](const httplib::Request &, httplib::Response &res) {
        const QString firma = depo.ayar(QLatin1String(kAyarFirma), QStringLiteral("Korvel Otomotiv"));
        QString h = QStringLiteral("<h1>%1</h1><h2>İletişim</h2>").arg(e(firma));
        const QString adres = depo.ayar(QLatin1String(kAyarAdres));
        const QString telefon = depo.ayar(QLatin1String(kAyarTelefon));
        const QString posta = depo.ayar(QLatin1String(kAyarPosta));
        if (!adres.isEmpty())
            h += QStringLiteral("<p><b>Adres:</b> %1</p>").arg(e(adres));
        if (!telefon.isEmpty())
            h += QStringLiteral("<p><b>Telefon:</b> %1</p>").arg(e(telefon));
        if (!posta.isEmpty())
            h += QStringLiteral("<p><b>E-posta:</b> <a href=\"mailto:%1\">%1</a></p>").arg(e(posta));
        h += QStringLiteral("<p>B2B programı ile ilgili istekleriniz için programdaki \"Mail Gönder\" menüsünü "
                            "kullanabilirsiniz.</p>");
        html(res, sayfa(firma + QStringLiteral(" - İletişim"), h));
    });

    // Request form: the client opens it with ?carino=0&kullanici=…&id=<workstation>.
    s.Get("/formmailgonder.aspx", [](const httplib::Request &req, httplib::Response &res) {
        QHash<QString, QString> d;
        auto al = [&req](const char *ad) { return QString::fromStdString(req.get_param_value(ad)).trimmed(); };
        d.insert(QStringLiteral("id"), al("id"));
        d.insert(QStringLiteral("carino"), al("carino"));
        d.insert(QStringLiteral("kullaniciadi"), al("kullanici"));
        html(res, formSayfasi(d, QString()));
    });

    s.Post("/formmailgonder.aspx", [&depo](const httplib::Request &req, httplib::Response &res) {
        const QHash<QString, QString> d = formAlanlari(req.body);
        for (const FormAlani &a : kAlanlar)
            if (a.gerekli && d.value(QLatin1String(a.ad)).trimmed().isEmpty()) {
                html(res, formSayfasi(d, QStringLiteral("%1 boş olamaz !").arg(QString::fromUtf8(a.etiket))), 400);
                return;
            }
        PostaIstegi p;
        p.tur = QStringLiteral("web");
        p.baslik = QStringLiteral("Kayıt İsteği");
        p.idsi = d.value(QStringLiteral("id"));
        p.firmaadi = d.value(QStringLiteral("firmaadi"));
        p.adres1 = d.value(QStringLiteral("adres1"));
        p.adres2 = d.value(QStringLiteral("adres2"));
        p.ilce = d.value(QStringLiteral("ilce"));
        p.sehir = d.value(QStringLiteral("sehir"));
        p.telefon = d.value(QStringLiteral("telefon"));
        p.fax = d.value(QStringLiteral("fax"));
        p.vd = d.value(QStringLiteral("vd"));
        p.vn = d.value(QStringLiteral("vn"));
        p.yetkili = d.value(QStringLiteral("yetkili"));
        p.kullaniciadi = d.value(QStringLiteral("kullaniciadi"));
        p.mail = d.value(QStringLiteral("mail"));
        p.kargoambar = d.value(QStringLiteral("kargoambar"));
        p.konu = d.value(QStringLiteral("konu"));
        postaKaydet(depo, p);
        html(res, sayfa(QStringLiteral("İstek Formu"),
                        QStringLiteral("<h1>Teşekkür ederiz</h1><p>İsteğiniz alındı; en kısa sürede sizinle "
                                       "iletişime geçeceğiz.</p><p>Bu pencereyi kapatabilirsiniz.</p>")));
    });

    // The installer the administrator published; 404 while there is none.
    s.Get("/exe/KorvelSetup.exe", [&depo](const httplib::Request &, httplib::Response &res) {
        const QString yol = depo.ayar(QLatin1String(kAyarKurulumDosyasi));
        auto dosya = std::make_shared<QFile>(yol);
        if (yol.isEmpty() || !QFileInfo(yol).isFile() || !dosya->open(QIODevice::ReadOnly)) {
            html(res, sayfa(QStringLiteral("Bulunamadı"), QStringLiteral("<h1>Kurulum dosyası yok</h1>")), 404);
            return;
        }
        res.set_header("Content-Disposition", "attachment; filename=\"KorvelSetup.exe\"");
        res.set_content_provider(size_t(dosya->size()), "application/octet-stream",
                                 [dosya](size_t konum, size_t uzunluk, httplib::DataSink &hedef) {
                                     char tampon[65536];
                                     if (!dosya->seek(qint64(konum)))
                                         return false;
                                     const qint64 n = dosya->read(tampon, qint64(qMin(uzunluk, sizeof tampon)));
                                     if (n <= 0)
                                         return false;
                                     hedef.write(tampon, size_t(n));
                                     return true;
                                 });
    });
}

}  // namespace ks
