#include "depo.h"

#include "sema.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QSqlError>
#include <QThread>
#include <QUuid>
#include <atomic>
#include <memory>

namespace ks {

// Prepared statements of this thread, per connection name and SQL text.
struct OnbellekKaydi {
    std::unique_ptr<QSqlQuery> sorgu;
    bool kullanimda = false;
};
thread_local QHash<QString, QHash<QString, std::shared_ptr<OnbellekKaydi>>> tOnbellek;

namespace {

QString hataMetni(const QSqlError &e) { return e.text(); }

QSqlDatabase baglantiAc(const QString &ad, const QString &yol)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
    db.setDatabaseName(yol);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open())
        throw DepoHatasi(QStringLiteral("Veritabanı açılamadı (%1): %2").arg(yol, hataMetni(db.lastError())));
    QSqlQuery q(db);
    for (const char *p : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", "PRAGMA foreign_keys=ON",
                          "PRAGMA cache_size=-65536", "PRAGMA temp_store=MEMORY", "PRAGMA mmap_size=1073741824"})
        if (!q.exec(QString::fromLatin1(p)))
            throw DepoHatasi(QStringLiteral("%1: %2").arg(QLatin1String(p), hataMetni(q.lastError())));
    return db;
}

std::atomic<int> tDepoSayaci{0};

}  // namespace

Depo::Depo(const QString &yol)
    : yol_(yol), onek_(QStringLiteral("korvel-%1-").arg(++tDepoSayaci))
{
    gocEt();
}

Depo::~Depo()
{
    // Connections of worker threads end with the process; the opening
    // thread's own one is removed here.
    const QString ad = onek_ + QString::number(quintptr(QThread::currentThreadId()));
    tOnbellek.remove(ad);
    if (QSqlDatabase::contains(ad)) {
        { QSqlDatabase db = QSqlDatabase::database(ad, false); db.close(); }
        QSqlDatabase::removeDatabase(ad);
    }
}

QSqlDatabase Depo::db() const
{
    const QString ad = onek_ + QString::number(quintptr(QThread::currentThreadId()));
    if (QSqlDatabase::contains(ad))
        return QSqlDatabase::database(ad, false);
    return baglantiAc(ad, yol_);
}

int Depo::surum() const
{
    QSqlQuery q(db());
    q.exec(QStringLiteral("PRAGMA user_version"));
    return q.next() ? q.value(0).toInt() : 0;
}

void Depo::gocEt()
{
    const auto &adimlar = semaAdimlari();
    for (int v = surum(); v < int(adimlar.size()); ++v) {
        Islem t(*this);
        QSqlQuery q(t.db());
        for (const QString &sql : adimlar[size_t(v)])
            if (!q.exec(sql))
                throw DepoHatasi(QStringLiteral("Şema adımı %1 başarısız: %2\n%3").arg(v + 1).arg(hataMetni(q.lastError()), sql));
        if (!q.exec(QStringLiteral("PRAGMA user_version=%1").arg(v + 1)))
            throw DepoHatasi(hataMetni(q.lastError()));
        t.onayla();
    }
}

QString Depo::ayar(const QString &anahtar, const QString &varsayilan) const
{
    Sorgu s(*this, QStringLiteral("SELECT deger FROM ayar WHERE anahtar=?"));
    s.bagla(anahtar).calistir();
    return s.sonraki() ? s.deger(0).toString() : varsayilan;
}

void Depo::ayarYaz(const QString &anahtar, const QString &deger)
{
    Islem t(*this);
    calistir(t.db(), QStringLiteral("INSERT INTO ayar(anahtar, deger) VALUES(?, ?) "
                                    "ON CONFLICT(anahtar) DO UPDATE SET deger=excluded.deger"),
             {anahtar, deger});
    t.onayla();
}

Islem::Islem(const Depo &d) : db_(d.db())
{
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        throw DepoHatasi(QStringLiteral("İşlem başlatılamadı: %1").arg(hataMetni(q.lastError())));
}

Islem::~Islem()
{
    if (acik_) {
        QSqlQuery q(db_);
        q.exec(QStringLiteral("ROLLBACK"));
    }
}

void Islem::onayla()
{
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("COMMIT")))
        throw DepoHatasi(QStringLiteral("İşlem tamamlanamadı: %1").arg(hataMetni(q.lastError())));
    acik_ = false;
}

Sorgu::Sorgu(const QSqlDatabase &db, const QString &sql)
{
    auto &kayitlar = tOnbellek[db.connectionName()];
    auto &k = kayitlar[sql];
    if (k && k->kullanimda) {
        // The same text is already open higher up the stack: use a fresh one.
        k = nullptr;
    }
    if (!k) {
        k = std::make_shared<OnbellekKaydi>();
        k->sorgu = std::make_unique<QSqlQuery>(db);
        k->sorgu->setForwardOnly(true);
        if (!k->sorgu->prepare(sql)) {
            const QString m = hataMetni(k->sorgu->lastError());
            k = nullptr;
            throw DepoHatasi(QStringLiteral("Sorgu hazırlanamadı: %1\n%2").arg(m, sql));
        }
    }
    k->kullanimda = true;
    k_ = k;
    q_ = k->sorgu.get();
}

Sorgu::~Sorgu()
{
    q_->finish();
    k_->kullanimda = false;
}

Sorgu &Sorgu::bagla(const QVariant &v)
{
    q_->bindValue(sira_++, v);
    return *this;
}

Sorgu &Sorgu::bagla(std::initializer_list<QVariant> v)
{
    for (const QVariant &x : v)
        bagla(x);
    return *this;
}

Sorgu &Sorgu::calistir()
{
    sira_ = 0;
    if (!q_->exec())
        throw DepoHatasi(QStringLiteral("Sorgu çalıştırılamadı: %1").arg(hataMetni(q_->lastError())));
    return *this;
}

qint64 Sorgu::sonEklenen() const { return q_->lastInsertId().toLongLong(); }

kw::Tablo Sorgu::tablo(std::initializer_list<kw::Kolon> kolonlar)
{
    return tablo(QVector<kw::Kolon>(kolonlar));
}

kw::Tablo Sorgu::tablo(const QVector<kw::Kolon> &kolonlar)
{
    kw::Tablo t;
    t.kolonlar = kolonlar;
    const int n = int(kolonlar.size());
    while (q_->next()) {
        QVector<QVariant> satir(n);
        for (int c = 0; c < n; ++c) {
            const QVariant v = q_->value(c);
            if (v.isNull())
                continue;
            switch (kolonlar[c].tip) {
            case kw::KolonTipi::Int32: satir[c] = v.toInt(); break;
            case kw::KolonTipi::Int64: satir[c] = v.toLongLong(); break;
            case kw::KolonTipi::Double:
            case kw::KolonTipi::Currency: satir[c] = v.toDouble(); break;
            case kw::KolonTipi::Bool: satir[c] = v.toInt() != 0; break;
            case kw::KolonTipi::String: satir[c] = v.toString(); break;
            case kw::KolonTipi::Date: satir[c] = QDate::fromString(v.toString().left(10), Qt::ISODate); break;
            case kw::KolonTipi::DateTime: satir[c] = QDateTime::fromString(v.toString(), Qt::ISODate); break;
            case kw::KolonTipi::Blob: satir[c] = v.toByteArray(); break;
            }
        }
        t.satirlar.push_back(std::move(satir));
    }
    return t;
}

void calistir(const QSqlDatabase &db, const QString &sql, std::initializer_list<QVariant> degerler)
{
    Sorgu s(db, sql);
    s.bagla(degerler).calistir();
}

}  // namespace ks
