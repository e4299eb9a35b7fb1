#include "pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QThreadPool>
#include <future>

namespace ks::belge {

namespace {

QString e(const QString &s) { return s.toHtmlEscaped(); }

QString tabloHtml(const PdfTablo &t)
{
    if (t.satirlar.isEmpty() && !t.bosMetin.isEmpty())
        return QStringLiteral("<p><i>%1</i></p>").arg(e(t.bosMetin));
    auto hizala = [&t](int i) {
        return i < t.sagaYasli.size() && t.sagaYasli[i] ? QStringLiteral(" align=\"right\"") : QString();
    };
    QString h = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" border=\"1\" "
                               "style=\"border-collapse:collapse; border-color:#9aa0a6\"><tr>");
    for (int i = 0; i < t.basliklar.size(); ++i)
        h += QStringLiteral("<th bgcolor=\"#3d414a\"%1><font color=\"#ffffff\">%2</font></th>").arg(hizala(i), e(t.basliklar[i]));
    h += QStringLiteral("</tr>");
    int n = 0;
    for (const QStringList &s : t.satirlar) {
        h += (n++ % 2) ? QStringLiteral("<tr bgcolor=\"#efefef\">") : QStringLiteral("<tr>");
        for (int i = 0; i < s.size(); ++i)
            h += QStringLiteral("<td%1>%2</td>").arg(hizala(i), e(s[i]));
        h += QStringLiteral("</tr>");
    }
    if (!t.toplam.isEmpty()) {
        h += QStringLiteral("<tr>");
        for (int i = 0; i < t.toplam.size(); ++i)
            h += QStringLiteral("<td%1><b>%2</b></td>").arg(hizala(i), e(t.toplam[i]));
        h += QStringLiteral("</tr>");
    }
    return h + QStringLiteral("</table>");
}

QString belgeHtml(const PdfBelge &b)
{
    QString h = QStringLiteral("<html><body style=\"font-family:'DejaVu Sans'; font-size:9pt\">");
    h += QStringLiteral("<h2>%1</h2>").arg(e(b.baslik));
    if (!b.altBaslik.isEmpty())
        h += QStringLiteral("<p>%1</p>").arg(e(b.altBaslik));
    for (const PdfBolum &bl : b.bolumler) {
        if (!bl.baslik.isEmpty())
            h += QStringLiteral("<h3>%1</h3>").arg(e(bl.baslik));
        if (!bl.bilgiler.isEmpty()) {
            h += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
            for (const auto &[ad, deger] : bl.bilgiler)
                h += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(e(ad), e(deger));
            h += QStringLiteral("</table>");
        }
        if (bl.tabloVar)
            h += tabloHtml(bl.tablo);
    }
    if (!b.dipnot.isEmpty())
        h += QStringLiteral("<p><font size=\"2\" color=\"#555555\">%1</font></p>").arg(e(b.dipnot));
    return h + QStringLiteral("</body></html>");
}

QByteArray pdfCiz(const PdfBelge &b)
{
    QByteArray bayt;
    QBuffer tampon(&bayt);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter w(&tampon);
        w.setTitle(b.baslik);
        w.setCreator(QStringLiteral("korvel-server"));
        w.setResolution(300);
        w.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                    b.yatay ? QPageLayout::Landscape : QPageLayout::Portrait,
                                    QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QTextDocument d;
        d.setDocumentMargin(0);
        d.setHtml(belgeHtml(b));
        d.print(&w);
    }
    tampon.close();
    return bayt;
}

}  // namespace

QByteArray pdfYap(const PdfBelge &b)
{
    // The text layout starts timers, which only threads made by Qt may do;
    // the HTTP workers are plain threads, so the drawing runs in Qt's pool
    // (waited for with std::future: QFuture would run it right here).
    std::promise<QByteArray> sonuc;
    std::future<QByteArray> gelecek = sonuc.get_future();
    QThreadPool::globalInstance()->start([&b, &sonuc] {
        try {
            sonuc.set_value(pdfCiz(b));
        } catch (...) {
            sonuc.set_exception(std::current_exception());
        }
    });
    return gelecek.get();
}

}  // namespace ks::belge
