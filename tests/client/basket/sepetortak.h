// What the basket tests share: a window with the basket page (and the
// stock list for the order run) and direct access to the server's basket.
#pragma once

#include "../catalogue/testpencere.h"
#include "izgara.h"
#include "sepetsayfasi.h"
#include "stoklistesi.h"
#include "veriseti.h"

#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

struct SepetOrtami {
    std::unique_ptr<TestPencere> w;
    sepet::TSepetSayfasi *sepet = nullptr;
    katalog::TStokListesi *liste = nullptr;

    // bayi3's window with an empty basket.
    bool kur(const kt::SunucuSureci &srv)
    {
        w = std::make_unique<TestPencere>();
        if (!w->oturumAc(srv, QStringLiteral("DEMO-BAYI3")))
            return false;
        cagir([&](TServerMethods1Client &p) { p.SepetHepsiniSil(w->sbilgi().Kopya()); });
        sepet = new sepet::TSepetSayfasi(*w, w->sepetSekme, w->uyari);
        liste = new katalog::TStokListesi(*w, sepet->satirGirisi(), w->stokSekme);
        w->show();
        return true;
    }
    // One call on a connection of its own.
    void cagir(const std::function<void(TServerMethods1Client &)> &f)
    {
        TBaglanti b;
        b.Params = w->bagc().Params;
        b.Open();
        TServerMethods1Client p(&b);
        f(p);
    }
    kw::Tablo sunucuSepeti()
    {
        kw::Tablo t;
        cagir([&](TServerMethods1Client &p) { t = p.SepetVer2(w->sbilgi().CARINO()); });
        return t;
    }
    // `adet` lines of different items, `miktar` each, straight on the server.
    void satirlarEkle(int adet, double miktar = 2)
    {
        cagir([&](TServerMethods1Client &p) {
            const kw::Tablo stok = p.StokAraGetirTarvel(QStringLiteral("FİLTRE"), w->sbilgi().Kopya());
            QVERIFY(stok.satirSayisi() >= adet);
            const TSonucBilgisi &s = w->sbilgi();
            for (int i = 0; i < adet; ++i)
                QCOMPARE(p.SepetEkle2(s.Kopya(), s.CARINO(), stok.hucre(i, QStringLiteral("STOK_STOKNO")).toInt(),
                                      stok.hucre(i, QStringLiteral("BARKOD")).toString(),
                                      stok.hucre(i, QStringLiteral("ADI")).toString(), miktar,
                                      stok.hucre(i, QStringLiteral("KDV")).toDouble(),
                                      stok.hucre(i, QStringLiteral("FIYAT")).toDouble(),
                                      stok.hucre(i, QStringLiteral("IND1")).toDouble(), s.Sirano(), 0,
                                      stok.hucre(i, QStringLiteral("IND2")).toDouble(),
                                      stok.hucre(i, QStringLiteral("IND3")).toDouble(),
                                      stok.hucre(i, QStringLiteral("IND4")).toDouble()),
                         1);
        });
    }
    // Shows the basket tab and waits for its load.
    void sepeteGec()
    {
        QSignalSpy bitti(sepet, &sepet::TSepetSayfasi::sepetYuklendi);
        w->sekmeler->setCurrentWidget(w->sepetSekme);
        QVERIFY(bitti.wait(30000));
    }
    // A double click on the basket grid's cell under the column `baslik`.
    void ciftTikla(int satir, const QString &baslik)
    {
        kt::Izgara *g = sepet->cxGrid2();
        QTableView *t = g->Tablo();
        const QModelIndex i = t->model()->index(satir, g->BaslikKolonNo(baslik));
        t->scrollTo(i);
        const QPoint p = t->visualRect(i).center();
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, p);
    }
    QStringList toplamlar() const
    {
        QStringList l;
        for (int i = 0; i < 5; ++i)
            l << sepet->toplamEtiketi(i)->text();
        return l;
    }
};
